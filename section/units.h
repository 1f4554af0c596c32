// The units of the section data (tons, centimetres, T/cm2), the constants
// every part of the program converts them with, and the unit systems the
// tools speak: every figure is worked out in tons and centimetres and
// shown in t-cm (the default), t-m, or si (kN, m, kN.m, MPa, 1/m).
#pragma once

#include <map>
#include <string>

#include "section/section_data.h"

namespace mphi {

// The literals are floats: the results have always been worked out with
// these single-precision values. Tons and newtons by 9810, T/cm2 and MPa by
// 0.0102.
constexpr float kTonPerCm2InMPa = 0.0102f;  // divide a stress in T/cm2 by this for MPa
constexpr float kNewtonsPerTon = 9810.0f;
constexpr float kMmPerCm = 10.0f;
constexpr float kCmPerM = 100.0f;
constexpr float kTonCmPerNmm = 1.02e-5f;  // a moment in N.mm times this is in T.cm

// Pi as the bar and tie areas have always been worked out with it, and as
// the formulas added since take it.
constexpr float kPiAreas = 3.1416f;
constexpr double kPi = 3.14159265358979323846;

enum class UnitSystem { TonCm, TonM, SI };

enum class Quantity {
  Force,      // T
  Length,     // cm
  Moment,     // T.cm
  Stress,     // T/cm2
  Curvature,  // 1/cm
  Stiffness,  // moment over curvature, T.cm2
  Area,       // cm2
};

struct Units {
  UnitSystem system = UnitSystem::TonCm;

  // A value in tons and centimetres in these units.
  double in(Quantity q, double value) const;
  // The same back.
  double from(Quantity q, double value) const;
  // "T.cm", "kN.m": the unit in plain text.
  std::string text(Quantity q) const;
  // "T·cm", "kN·m": the unit in a picture (UTF-8).
  std::string picture(Quantity q) const;
  // "Tcm", "kNm", "per_cm", "cm2": the unit in a column or key name.
  std::string key(Quantity q) const;
  bool base() const { return system == UnitSystem::TonCm; }
};

// "t-cm", "t-m", "si".
const char* unitsName(UnitSystem system);
bool unitsNamed(const std::string& name, Units& units);

// A copy of the section data in the units: lengths, load and strengths.
SectionData inUnits(const SectionData& section, const Units& units);

// A load in the units' force, stored in tons the way an input value is.
float loadOf(double value, const Units& units);
// A load for a table, in the units' force: the shortest decimal that gives
// back the stored float (tons) exactly.
std::string loadText(float P0, const Units& units);

// A unit a table's column may name for a length, stress or force ("mm",
// "MPa", "kN"): the factor that turns its numbers into mphi's unit.
struct NamedUnit {
  Quantity quantity;
  const char* name;   // lower case
  double factor;      // to mphi's unit of the quantity
  const char* shown;  // as a message names it; nullptr for another spelling
};

// The quantity of one of mphi's own units ("cm", "T/cm2", "T"); false for
// a ratio or a count ("").
bool quantityOfUnit(const std::string& unit, Quantity& quantity);
// `name` (lower case) as a unit of `quantity`, or nullptr.
const NamedUnit* findNamedUnit(Quantity quantity, const std::string& name);
// "mm, cm, m": the units a column of `quantity` may name.
std::string namedUnits(Quantity quantity);

// How the user gave a section value: the name it was given under
// ("fc_MPa", "fc"), its unit as a message shows it ("MPa") and the factor
// to mphi's unit.
struct GivenUnit {
  std::string name;
  std::string unit;
  double factor = 1;
};
// By mphi's names of the values; a value not in it was given as mphi takes
// it, under its own name and in its own unit.
using GivenUnits = std::map<std::string, GivenUnit>;

// How `name`'s value was given (mphi's own name and unit where `given` has
// none); `unit` is mphi's ("T/cm2").
GivenUnit givenUnit(const GivenUnits& given, const std::string& name, const std::string& unit);

}  // namespace mphi
