// The units the tools speak. Every figure is worked out in tons and
// centimetres; these turn it into what an engineer reads: t-cm (the
// default, so every output stays as it was), t-m, or si (kN, m, kN.m, MPa,
// 1/m). Tons and newtons by 9810, T/cm2 and MPa by 0.0102, as the analysis
// itself converts.
#pragma once

#include <string>

#include "analysis/curve.h"
#include "figures/limit_states.h"
#include "section/section_data.h"

namespace mphi {

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

// Copies in the units: the section's lengths, load and strengths; the
// curve's curvatures, moments and depths; the limit states' figures.
// Strains and ratios stay as they are.
SectionData inUnits(const SectionData& section, const Units& units);
Curve inUnits(const Curve& curve, const Units& units);
AssessmentFigures inUnits(const AssessmentFigures& figures, const Units& units);

}  // namespace mphi
