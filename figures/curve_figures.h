// Every figure mphi-report gives for a curve of the specified model: the
// steel ratio, both idealisations and, for a column length, the drift. The
// front ends (report, sweep, batch, the page) share it. Give it the section
// and curve as SECTION holds them (asWritten) and the figures are the
// report's to the last digit.
#pragma once

#include "curve/curve.h"
#include "figures/capacity.h"
#include "figures/drift.h"
#include "figures/idealisation.h"
#include "section/section_data.h"

namespace mphi {

// A curve of fewer computed rows than this is not idealised: near pure
// tension the specified model's curves have a handful of rows, and their
// moments swing far from the hand values.
constexpr int kFewestRowsToIdealise = 20;

struct CurveFigures {
  double steelRatio = 0;    // main steel area over b h, from the bar counts
  bool tooFewRows = false;  // computed, but too few rows to idealise
  Caltrans caltrans;
  Priestley priestley;
  double length = 0;      // column length asked for, cm; 0 for none
  bool hasDrift = false;  // a length was given and phi_y exists
  Drift drift;
  DriftCapacity capacity;  // the flexural drift at the last row, bar buckling, shear
};

// The request's length (0 leaves the drift and the capacity out) and ties.
CurveFigures curveFigures(const SectionData& section, const Curve& curve,
                          const Analysis& analysis = {});

// Whether the curve has any point beyond its origin.
inline bool computed(const Curve& curve) {
  return curve.points.size() > 1;
}

// All main steel, cm2: the curve's bar layers where it has them, else the
// specified layout's bar counts.
double mainSteelArea(const SectionData& section, const Curve& curve);

// The section's gross area, cm2: b h, or pi D^2 / 4 for a circle.
double grossArea(const SectionData& section, const Curve& curve);

// What the hand methods give for pure axial load, T: the squash load
// 0.85 fc (b h - As) + As fy, and the bars' tension As fu.
double squashLoad(const SectionData& section, const Curve& curve);
double tensionCapacity(const SectionData& section, const Curve& curve);

}  // namespace mphi
