#include "driver/section_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "analysis/curvature_stepping.h"
#include "analysis/material_laws.h"

namespace mphi {
namespace {

constexpr float kMinSize = 12.0f;              // bars lie 6 cm inside every face
constexpr float kMaxSize = 10000.0f;           // 100 m
constexpr float kMaxSteelStrength = 100.0f;    // T/cm2, about 10 GPa
constexpr float kMaxSteelModulus = 100000.0f;  // T/cm2, about 10000 GPa
constexpr float kMostStartStrain = 1.0f;       // twice the load's elastic strain

std::string valueText(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", v);
  return text;
}

std::string fault(const char* name, double value, const char* reason) {
  return std::string("mphi: invalid section data: ") + name + " = " + valueText(value) + ": " +
         reason;
}

using Named = std::pair<const char*, double>;

const Named* firstNonFinite(const std::vector<Named>& values) {
  for (const Named& v : values) {
    if (!std::isfinite(v.second)) return &v;
  }
  return nullptr;
}

}  // namespace

std::string findSectionFault(const SectionData& s) {
  const std::vector<Named> kept = {
      {"b", s.b},       {"h", s.h},       {"dcm", s.dcm}, {"clearb1cm", s.clearb1cm},
      {"dbcm", s.dbcm}, {"sccm", s.sccm}, {"fc", s.fc},   {"fy", s.fy},
      {"fsy", s.fsy},   {"Es", s.Es},     {"P0", s.P0},   {"r", s.r},
  };
  if (const Named* v = firstNonFinite(kept)) {
    return fault(v->first, v->second, "value must be a finite number");
  }
  if (s.b < kMinSize) return fault("b", s.b, "section width must be at least 12 cm");
  if (s.h < kMinSize) return fault("h", s.h, "section depth must be at least 12 cm");
  // Far beyond any column, moments overflow the table's single precision
  // (from about 1e19 cm) and the strip sums crawl.
  if (s.b > kMaxSize) return fault("b", s.b, "section width must be at most 10000 cm");
  if (s.h > kMaxSize) return fault("h", s.h, "section depth must be at most 10000 cm");
  if (s.dcm <= 0) return fault("dcm", s.dcm, "main bar diameter must be positive");
  // A bar wider than the section is no bar; far beyond it the bar area
  // overflows single precision and the steel forces turn NaN.
  if (s.dcm >= std::min(s.b, s.h)) {
    return fault("dcm", s.dcm, "main bar diameter must be smaller than the section");
  }
  if (s.r < 0) return fault("r", s.r, "reinforcement ratio must not be negative");
  if (s.clearb1cm < 0) return fault("clearb1cm", s.clearb1cm, "cover must not be negative");
  if (s.b - 2 * static_cast<double>(s.clearb1cm) <= 0 ||
      s.h - 2 * static_cast<double>(s.clearb1cm) <= 0) {
    return fault("clearb1cm", s.clearb1cm, "cover leaves no confined core");
  }
  if (s.dbcm < 0) return fault("dbcm", s.dbcm, "tie diameter must not be negative");
  if (s.sccm <= 0) return fault("sccm", s.sccm, "tie spacing must be positive");
  if (s.fc <= 0) return fault("fc", s.fc, "concrete strength must be positive");
  if (s.fy <= 0) return fault("fy", s.fy, "main bar yield strength must be positive");
  if (s.fsy < 0) return fault("fsy", s.fsy, "tie yield strength must not be negative");
  if (s.Es <= 0) return fault("Es", s.Es, "steel modulus must be positive");
  // Far beyond any steel the bar forces of a large section overflow the
  // table's single precision.
  if (s.fy > kMaxSteelStrength) {
    return fault("fy", s.fy, "main bar yield strength must be at most 100 T/cm2");
  }
  if (s.Es > kMaxSteelModulus)
    return fault("Es", s.Es, "steel modulus must be at most 100000 T/cm2");

  const std::vector<Named> fields = {
      {"b", s.b},       {"h", s.h},       {"dt", s.dt},     {"clearh2cm", s.clearh2cm},
      {"cln3", s.cln3}, {"cln4", s.cln4}, {"dcm", s.dcm},   {"num1", s.num1},
      {"num2", s.num2}, {"num3", s.num3}, {"num4", s.num4}, {"clearb1cm", s.clearb1cm},
      {"dbcm", s.dbcm}, {"sccm", s.sccm}, {"fc", s.fc},     {"fy", s.fy},
      {"fsy", s.fsy},   {"Es", s.Es},     {"P0", s.P0},     {"r", s.r},
  };
  if (const Named* v = firstNonFinite(fields)) {
    return fault(v->first, v->second, "the bar layout is undefined for this section size");
  }

  // Main steel filling the tie-confined core makes the confinement
  // effectiveness 1/(1 - rhocc) meaningless: typically a ratio typed in per
  // cent (2 for 0.02).
  const Materials m = deriveMaterials(s);
  if (m.rhocc >= 1) return fault("r", s.r, "main steel area exceeds the tie-confined core");

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
    return fault(v->first, v->second, kDerivedFault);
  if (m.fcc <= 0) return fault("fcc", m.fcc, "confined concrete strength must be positive");
  const std::vector<Named> rest = {{"ecc", m.ecc}, {"Ec", m.Ec}, {"Esec", m.Esec}, {"rcc", m.rcc}};
  if (const Named* v = firstNonFinite(rest)) return fault(v->first, v->second, kDerivedFault);
  // The first step starts at twice the load's elastic strain; a load whose
  // elastic strain alone passes 0.5 is far beyond any section, and strains
  // of that size overflow the stresses of the laws.
  if (stepStart(s).Ecm > kMostStartStrain) {
    return fault("P0", s.P0, "axial load far beyond the section: its elastic strain exceeds 0.5");
  }
  // The confined law's shape exponent Ec / (Ec - Esec) must exceed 1; at or
  // below it the law gives no stress-strain curve at all.
  if (m.ecc <= 0 || m.Esec >= m.Ec) {
    return fault("rcc", m.rcc,
                 "the confined-concrete law is undefined for this concrete and confinement (it "
                 "needs 0 < fcc/ecc < Ec)");
  }
  return {};
}

}  // namespace mphi
