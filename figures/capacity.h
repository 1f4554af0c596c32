// How far a cantilever column can drift before it fails, and how: the
// least of the flexural drift its curve gives, the drift at which its
// longitudinal bars buckle (Berry and Eberhard 2005) and the drift at
// which a shear-damaged column fails (Elwood and Moehle 2005, fitted to
// rectangular columns and not taken for circular ones); beside it the
// column's shear strength (ASCE 41-17 Eq. 10-3, k_nl = 1, lambda = 1) and
// the class it gives. The code's strength is a lower bound: where the
// flexural demand passes it the column is said to be in the shear class,
// but the capacity is not cut there (the drift where M/L reaches it falls
// far short of what tests reach). Worked in N, mm and MPa from the section data in
// T, cm and T/cm2; given back in T and cm, drifts as ratios. Published
// forms as they stand: nothing here is fitted to tests.
#pragma once

#include <optional>
#include <string>

#include "curve/analysis_request.h"
#include "curve/material_laws.h"
#include "section/section_data.h"

namespace mphi {

// By Vp/Vn0: up to 0.6, up to 1, above.
enum class ShearClass { Flexure, FlexureShear, Shear };
// "flexure", "flexure_shear", "shear".
const char* shearClassName(ShearClass c);

struct ShearStrength {
  double d = 0;      // effective depth 0.8 h, cm
  double alpha = 0;  // share of the ties counted: 1 for s/d <= 0.75, 0 from s/d = 1
  double Vn0 = 0;    // T
  double Vp = 0;     // the shear at the flexural strength, Mu / L, T
  double ratio = 0;  // Vp / Vn0
  ShearClass shearClass = ShearClass::Flexure;
};

enum class FailureMode { Flexure, BarBuckling, Shear };
// "flexure", "bar_buckling", "shear".
const char* failureModeName(FailureMode mode);

struct DriftCapacity {
  TieRatios ties;          // a rectangle's ties by direction, from their legs; 0 for a circle
  bool hasLength = false;  // the request gave a length: the figures below are asked for
  // Each mode's drift, where it exists.
  std::optional<double> flexure;      // at the curve's damage control (or its ultimate row)
  std::optional<double> barBuckling;  // Berry and Eberhard
  std::optional<double> shear;        // Elwood and Moehle, for a rectangle
  std::optional<ShearStrength> strength;
  // The least of the three that exist, when the flexural one does; else
  // why not.
  std::optional<double> drift;
  FailureMode governing = FailureMode::Flexure;
  std::string reason;
  std::string shearWords;  // why there is no shear drift, where that is no fault
  // Where the lateral force (M - P0 delta) / L falls back to zero, past
  // which the column cannot carry its load (P-delta); not part of `drift`,
  // which is compared with tests whose forces are corrected for it.
  std::optional<double> stability;
};

// The request's shape, ties and `length` (cm; 0: none, and nothing here
// exists); `Mu` the curve's peak moment, T.cm (nullopt: the curve has
// none); `flexure` the curve's flexural drift ratio (nullopt: none).
DriftCapacity driftCapacity(const SectionData& section, const Analysis& analysis,
                            std::optional<double> Mu, std::optional<double> flexure);

}  // namespace mphi
