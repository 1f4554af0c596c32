// Main bars of a half section from the section size and the steel ratio:
// the steel is spread evenly along the rectangle through the bar centres,
// `inset` inside every face; the width face is lumped into layer 1, each
// half of the side faces into layers 2 to 4 at the middles of thirds.
#pragma once

#include "section/section_data.h"

namespace mphi {

// `Real` is the precision each step is stored in: float for the specified
// layout (6 cm inset), double for the assessment model's real bar centres.
template <typename Real>
struct BasicBarLayout {
  Real A1 = 0, A2 = 0, A3 = 0, A4 = 0;  // steel area of layers 1 to 4, cm2
  Real d1 = 0, d2 = 0, d3 = 0, d4 = 0;  // depth below the nearer face, cm
};
using BarLayout = BasicBarLayout<float>;

template <typename Real>
BasicBarLayout<Real> spreadBars(Real b, Real h, Real r, Real inset);

// The specified layout: bar centres 6 cm inside every face.
BarLayout computeBarLayout(float b, float h, float r);

// The outermost tension bars of the layout lie as far above the far face
// as layer 1 below the near one: h - dt, cm.
double tensionLayerDepth(const SectionData& section);

// Replaces the bar counts and layer depths of `section` by the layout of
// its b, h and r; the counts stay fractional. No input is checked: a
// section of 12 cm or less gives counts that are not finite.
void applyBarLayout(SectionData& section);

}  // namespace mphi
