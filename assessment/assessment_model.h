// The assessment model: a moment-curvature curve for judging how far a
// column can deform. The cover spalls at a strain of 0.004, the core
// crushes at its ultimate strain ecu, the bars sit at their real positions
// and fracture at 40 ey, the ties confine as their legs and the bars let
// them (explicit bars) or as one hoop (spread steel), and the curve and its
// key points are found to a tight balance of forces. All arithmetic in double precision; N, mm and
// MPa inside, T and cm in the curve it returns. Pure: no I/O, no text, no shared state.
#pragma once

#include <optional>

#include "assessment/assessment_section.h"
#include "curve/curve.h"
#include "section/section_data.h"

namespace mphi {

// Rows stop here; the fibre-strain grid passes 0.2 long before.
constexpr int kAssessmentRows = 1000;

// The section data after the layout and the data check, and a request that
// checkAssessment accepted.
//
// The curve: the origin (the uniform strain that carries P0), the points of
// the fibre-strain grid at least 1.25e-5 above it, and the end point where
// the core crushes, a bar fractures or the load can no longer be carried.
// Its key points: first_yield, tension_steel_yield, serviceability, peak,
// damage_control, ultimate and strength_loss (0.8 of the peak, after it),
// each located exactly; serviceability and damage control not reached
// before the end are the end.
Curve assessmentCurve(const SectionData& section, const Analysis& analysis);
// A rectangular section's, of explicit bars (or none) and tie legs.
inline Curve assessmentCurve(const SectionData& section, const std::optional<BarCounts>& bars,
                             const TieLegs& legs = {}) {
  return assessmentCurve(section, rectangular(bars, legs));
}

}  // namespace mphi
