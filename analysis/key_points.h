// The end-of-step check: the moment of the step, the running peak moment,
// bar failure, initial yield, the end of the curve, and the results table.
#pragma once

#include <vector>

#include "analysis/section_model.h"
#include "curve/curve.h"

namespace mphi {

constexpr int kTableRows = 500;

// Rows 1 to 500 (index 0 unused): curvature 1/cm, moment T.cm, fibre
// strain, neutral-axis depth cm.
struct ResultsTable {
  float k[kTableRows + 1] = {};
  float m[kTableRows + 1] = {};
  float e[kTableRows + 1] = {};
  float c[kTableRows + 1] = {};
};

struct CurveState {
  float Ecm = 0;  // extreme-fibre strain of the current step
  int J = 1;      // row of the current step
  double c = 0;   // neutral-axis depth, mm, carried from step to step
  double Mu = 0;  // largest non-negative moment so far, N.mm
  int yieldFlag = 0;
  float My = 0;      // moment at initial yield, T.cm
  float Ky = 0;      // curvature at initial yield, 1/cm
  int yieldRow = 0;  // the row of initial yield
  ResultsTable table;
  CurveEnd ending = CurveEnd::PointEightMu;  // set when the curve ends
  std::vector<StepEvent> events;             // in the order they arose
};

constexpr float kStrainIncrement = 2.5e-5f;

enum class StepEnd { Continue, EndCurve };

// Takes a finished step: `outOfTrials` when the search gave up after its
// trial limit. Records row J and raises Ecm, or ends the curve; what the
// user must hear of goes into the state's events.
StepEnd endOfStepCheck(CurveState& state, const SectionModel& model, const SectionForces& forces,
                       bool outOfTrials);

}  // namespace mphi
