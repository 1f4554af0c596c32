// Steps the extreme-fibre strain and finds, by bisection, the neutral-axis
// depth that balances the axial load at every step.
#pragma once

#include "analysis/key_points.h"
#include "analysis/section_model.h"
#include "section/section_data.h"

namespace mphi {

struct SteppingLimits {
  int trials = 300;          // trials of one search before it gives up
  int abandonedInARow = 20;  // abandoned steps in a row that end the curve
};

// The load, its tolerance and the first fibre strain.
struct StepStart {
  float PN = 0;    // axial load, N
  float tolN = 0;  // accepted force mismatch, N
  float Ecm = 0;   // fibre strain of the first step
};

StepStart stepStart(const SectionData& section);

enum class SearchEnd { Converged, OutOfTrials, Abandoned };

// Bisection for the depth `c` (mm) that balances the load at fibre strain
// Ecm, starting from c itself. `forces` holds the last trial's evaluation.
SearchEnd searchDepth(const SectionModel& model, float Ecm, const StepStart& start, int trials,
                      double& c, SectionForces& forces);

// Sees every step that reaches the end-of-step check, before the check:
// its row, how its search ended, its depth c (mm) and its force mismatch
// dN (N). For tests of the stepping.
struct StepObserver {
  void (*seen)(void* context, int J, SearchEnd end, double c, double dN) = nullptr;
  void* context = nullptr;
};

// Traces the curve from the origin row; returns the number of table rows
// to report.
int traceCurve(const SectionModel& model, const SectionData& section, CurveState& state,
               const SteppingLimits& limits = {}, const StepObserver& observer = {});

}  // namespace mphi
