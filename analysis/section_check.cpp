#include "analysis/section_check.h"

#include <cmath>
#include <utility>
#include <vector>

#include "analysis/curvature_stepping.h"
#include "curve/material_laws.h"
#include "section/bar_layout.h"
#include "section/value_check.h"

namespace mphi {
namespace {

constexpr float kMostStartStrain = 1.0f;  // twice the load's elastic strain

using Named = std::pair<const char*, double>;

const Named* firstNonFinite(const std::vector<Named>& values) {
  for (const Named& v : values) {
    if (!std::isfinite(v.second)) return &v;
  }
  return nullptr;
}

}  // namespace

std::optional<Fault> findSectionFault(const SectionData& s) {
  if (std::optional<Fault> fault = checkValues(s)) return fault;

  // Main steel filling the tie-confined core makes the confinement
  // effectiveness 1/(1 - rhocc) meaningless: typically a ratio typed in per
  // cent (2 for 0.02).
  const Materials m = deriveMaterials(s);
  if (m.rhocc >= 1) return faultOf("r", s.r, "main steel area exceeds the tie-confined core");

  // Derived constants in the order they are worked out; a confinement
  // beyond the strength formula's range gives fcc <= 0 before anything
  // turns NaN.
  const char* const kDerivedFault = "a material constant derived from the data is not finite";
  const std::vector<Named> upToStrength = {
      {"fc1", m.fc1}, {"fy", m.fy},     {"Es", m.Es}, {"ey", m.ey},
      {"esh", m.esh}, {"Esh", m.Esh},   {"ds", m.ds}, {"rhocc", m.rhocc},
      {"ke", m.ke},   {"rhos", m.rhos}, {"fl", m.fl}, {"fcc", m.fcc},
  };
  if (const Named* v = firstNonFinite(upToStrength))
    return faultOf(v->first, v->second, kDerivedFault);
  if (m.fcc <= 0) return faultOf("fcc", m.fcc, "confined concrete strength must be positive");
  const std::vector<Named> rest = {{"ecc", m.ecc}, {"Ec", m.Ec}, {"Esec", m.Esec}, {"rcc", m.rcc}};
  if (const Named* v = firstNonFinite(rest)) return faultOf(v->first, v->second, kDerivedFault);
  // The first step starts at twice the load's elastic strain; a load whose
  // elastic strain alone passes 0.5 is far beyond any section, and strains
  // of that size overflow the stresses of the laws.
  if (stepStart(s).Ecm > kMostStartStrain) {
    return faultOf("P0", s.P0, "axial load far beyond the section: its elastic strain exceeds 0.5");
  }
  // The confined law's shape exponent Ec / (Ec - Esec) must exceed 1; at or
  // below it the law gives no stress-strain curve at all.
  if (m.ecc <= 0 || m.Esec >= m.Ec) {
    return faultOf("rcc", m.rcc,
                   "the confined-concrete law is undefined for this concrete and confinement (it "
                   "needs 0 < fcc/ecc < Ec)");
  }
  return std::nullopt;
}

std::optional<Fault> prepareSection(SectionData& section) {
  applyBarLayout(section);
  return findSectionFault(section);
}

}  // namespace mphi
