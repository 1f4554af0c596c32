#include "section/units.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "textio/number_text.h"

namespace mphi {
namespace {

constexpr double kKilonewtonsPerTon = kNewtonsPerTon / 1000.0;  // 9.81
constexpr double kMetresPerCm = 1 / static_cast<double>(kCmPerM);

double factor(UnitSystem system, Quantity q) {
  if (system == UnitSystem::TonCm) return 1;
  const double force = system == UnitSystem::SI ? kKilonewtonsPerTon : 1;
  switch (q) {
    case Quantity::Force:
      return force;
    case Quantity::Length:
      return kMetresPerCm;
    case Quantity::Moment:
      return force * kMetresPerCm;
    case Quantity::Stress:
      return system == UnitSystem::SI ? 1 / static_cast<double>(kTonPerCm2InMPa)
                                      : static_cast<double>(kCmPerM) * kCmPerM;
    case Quantity::Curvature:
      return kCmPerM;
    case Quantity::Stiffness:
      return force * kMetresPerCm * kMetresPerCm;
    case Quantity::Area:
      return kMetresPerCm * kMetresPerCm;
  }
  return 1;
}

struct Names {
  const char* text;
  const char* picture;
  const char* key;
};

Names names(UnitSystem system, Quantity q) {
  const bool si = system == UnitSystem::SI, cm = system == UnitSystem::TonCm;
  switch (q) {
    case Quantity::Force:
      return si ? Names{"kN", "kN", "kN"} : Names{"T", "T", "T"};
    case Quantity::Length:
      return cm ? Names{"cm", "cm", "cm"} : Names{"m", "m", "m"};
    case Quantity::Moment:
      if (si) return {"kN.m", "kN\xC2\xB7m", "kNm"};
      return cm ? Names{"T.cm",
                        "T\xC2\xB7"
                        "cm",
                        "Tcm"}
                : Names{"T.m", "T\xC2\xB7m", "Tm"};
    case Quantity::Stress:
      if (si) return {"MPa", "MPa", "MPa"};
      return cm ? Names{"T/cm2", "T/cm\xC2\xB2", "Tcm2"} : Names{"T/m2", "T/m\xC2\xB2", "Tm2"};
    case Quantity::Curvature:
      return cm ? Names{"1/cm", "1/cm", "per_cm"} : Names{"1/m", "1/m", "per_m"};
    case Quantity::Stiffness:
      if (si) return {"kN.m2", "kN\xC2\xB7m\xC2\xB2", "kNm2"};
      return cm ? Names{"T.cm2",
                        "T\xC2\xB7"
                        "cm\xC2\xB2",
                        "Tcm2"}
                : Names{"T.m2", "T\xC2\xB7m\xC2\xB2", "Tm2"};
    case Quantity::Area:
      return cm ? Names{"cm2", "cm\xC2\xB2", "cm2"} : Names{"m2", "m\xC2\xB2", "m2"};
  }
  return {"", "", ""};
}

}  // namespace

double Units::in(Quantity q, double value) const {
  return base() ? value : value * factor(system, q);
}

double Units::from(Quantity q, double value) const {
  return base() ? value : value / factor(system, q);
}

std::string Units::text(Quantity q) const {
  return names(system, q).text;
}

std::string Units::picture(Quantity q) const {
  return names(system, q).picture;
}

std::string Units::key(Quantity q) const {
  return names(system, q).key;
}

const char* unitsName(UnitSystem system) {
  switch (system) {
    case UnitSystem::TonCm:
      return "t-cm";
    case UnitSystem::TonM:
      return "t-m";
    case UnitSystem::SI:
      break;
  }
  return "si";
}

bool unitsNamed(const std::string& name, Units& units) {
  for (UnitSystem s : {UnitSystem::TonCm, UnitSystem::TonM, UnitSystem::SI}) {
    if (name == unitsName(s)) {
      units.system = s;
      return true;
    }
  }
  return false;
}

SectionData inUnits(const SectionData& s, const Units& u) {
  SectionData c = s;
  for (float* v : {&c.b, &c.h, &c.dcm, &c.clearb1cm, &c.dbcm, &c.sccm}) {
    *v = static_cast<float>(u.in(Quantity::Length, *v));
  }
  for (float* v : {&c.fc, &c.fy, &c.fsy, &c.Es})
    *v = static_cast<float>(u.in(Quantity::Stress, *v));
  c.P0 = static_cast<float>(u.in(Quantity::Force, c.P0));
  return c;
}

float loadOf(double value, const Units& u) {
  return static_cast<float>(u.from(Quantity::Force, value));
}

std::string loadText(float P0, const Units& u) {
  if (u.base()) return floatText(P0);
  const double shown = u.in(Quantity::Force, P0);
  char text[40];
  int digits = 1;
  for (; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, shown);
    if (loadOf(std::strtod(text, nullptr), u) == P0) break;
  }
  // Written out in full, as a person writes a load: 700, not 7e+02.
  const double size = std::fabs(shown);
  if (std::strchr(text, 'e') != nullptr && size >= 1e-4 && size < 1e15) {
    const int exponent = static_cast<int>(std::floor(std::log10(size)));
    std::snprintf(text, sizeof text, "%.*f", std::max(0, std::min(digits, 17) - 1 - exponent),
                  shown);
  }
  return text;
}

namespace {

// As the analysis converts: T/cm2 and MPa by 0.0102, tons and newtons by
// 9810.
const NamedUnit kNamedUnits[] = {
    {Quantity::Length, "mm", 1 / static_cast<double>(kMmPerCm), "mm"},
    {Quantity::Length, "cm", 1, "cm"},
    {Quantity::Length, "m", kCmPerM, "m"},
    {Quantity::Stress, "mpa", kTonPerCm2InMPa, "MPa"},
    {Quantity::Stress, "gpa", 1000 * static_cast<double>(kTonPerCm2InMPa), "GPa"},
    {Quantity::Stress, "t/cm2", 1, "T/cm2"},
    {Quantity::Stress, "tcm2", 1, nullptr},
    {Quantity::Force, "kn", 1000 / static_cast<double>(kNewtonsPerTon), "kN"},
    {Quantity::Force, "n", 1 / static_cast<double>(kNewtonsPerTon), "N"},
    {Quantity::Force, "t", 1, "T"},
};

}  // namespace

bool quantityOfUnit(const std::string& unit, Quantity& quantity) {
  const Units base;
  for (Quantity q : {Quantity::Length, Quantity::Force, Quantity::Stress}) {
    if (unit == base.text(q)) {
      quantity = q;
      return true;
    }
  }
  return false;
}

const NamedUnit* findNamedUnit(Quantity quantity, const std::string& name) {
  for (const NamedUnit& u : kNamedUnits) {
    if (u.quantity == quantity && name == u.name) return &u;
  }
  return nullptr;
}

GivenUnit givenUnit(const GivenUnits& given, const std::string& name, const std::string& unit) {
  const auto at = given.find(name);
  return at == given.end() ? GivenUnit{name, unit, 1} : at->second;
}

std::string namedUnits(Quantity quantity) {
  std::string names;
  for (const NamedUnit& u : kNamedUnits) {
    if (u.quantity == quantity && u.shown != nullptr) {
      names += (names.empty() ? "" : ", ") + std::string(u.shown);
    }
  }
  return names;
}

}  // namespace mphi
