#include "analysis/curvature_stepping.h"

#include <cmath>

namespace mphi {
namespace {

constexpr float kStartStrain = 0.0001f;
constexpr int kWarnPastRow = 498;
constexpr float kDepthMargin = 0.0001f;  // mm, admissible c lies strictly inside

bool admissibleDepth(double c, double cMax) {
  return c > kDepthMargin && c < cMax;
}

}  // namespace

StepStart stepStart(const SectionData& s) {
  StepStart start;
  start.PN = toSingle(static_cast<double>(s.P0) * kNewtonsPerTon);
  // Accepted force mismatch: half a per cent of fc times the gross area, or
  // one per cent of the load where that is larger.
  start.tolN = toSingle(static_cast<double>(s.fc) * s.b * s.h * kNewtonsPerTon / 200.0f);
  if (static_cast<double>(start.PN) / 100.0f > start.tolN) {
    start.tolN = toSingle(static_cast<double>(start.PN) / 100.0f);
  }
  // Elastic axial strain under P0 (modulus 15 sqrt(1000 fc) T/cm2); the
  // first step starts at twice it, or at 0.0001.
  const float eP = toSingle(s.P0 / (15.0f * std::sqrt(1000.0f * static_cast<double>(s.fc)) *
                                    (0.785f * static_cast<double>(s.b) * s.h)));
  start.Ecm = kStartStrain;
  if (eP > kStartStrain) start.Ecm = toSingle(2.0f * static_cast<double>(eP));
  return start;
}

// The first trial is at the depth the previous step ended at and the first
// move is half of it, so a step reaches depths between 0 and twice that.
SearchEnd searchDepth(const SectionModel& model, float Ecm, const StepStart& start, int trials,
                      double& c, SectionForces& forces) {
  const double cMax = 2.0f * static_cast<double>(model.h) - kDepthMargin;
  double dc = c;
  for (int trial = 1; trial <= trials; ++trial) {
    forces = evaluateForces(model, Ecm, c);
    const double dN = forces.Fs + forces.Fc - start.PN;
    // A step that starts where an abandoned one left c may balance at once
    // outside the section's depth range; such a depth is no more a result
    // than one reached by a move, so the step is abandoned too.
    if (std::fabs(dN) <= start.tolN) {
      return admissibleDepth(c, cMax) ? SearchEnd::Converged : SearchEnd::Abandoned;
    }
    dc = dc / 2.0;
    const double previous = c;
    c = dN < 0 ? c + dc : c - dc;
    if (!admissibleDepth(c, cMax)) return SearchEnd::Abandoned;
    // A move too small to change c leaves every later trial a repeat of
    // this one, down to the trial limit: end there now.
    if (c == previous) return SearchEnd::OutOfTrials;
  }
  return SearchEnd::OutOfTrials;
}

int traceCurve(const SectionModel& model, const SectionData& s, CurveState& state,
               const SteppingLimits& limits, const StepObserver& observer) {
  const StepStart start = stepStart(s);
  state.Ecm = start.Ecm;
  state.J = 1;
  state.c = model.h;

  int abandoned = 0;
  for (;;) {
    if (state.J == kTableRows) {  // no row left for another step
      state.ending = CurveEnd::TableFull;
      return kTableRows;
    }
    ++state.J;
    if (state.J > kWarnPastRow) state.events.push_back({StepEventKind::PastRowLimit, state.J, 0});

    SectionForces forces;
    const SearchEnd end = searchDepth(model, state.Ecm, start, limits.trials, state.c, forces);
    if (end == SearchEnd::Abandoned) {
      state.Ecm = toSingle(static_cast<double>(state.Ecm) + kStrainIncrement);
      // Load beyond the section's capacity, or balanced only at a vanishing
      // depth: no later step would find equilibrium either.
      if (++abandoned == limits.abandonedInARow) {
        state.ending = CurveEnd::NoEquilibrium;
        return state.J;
      }
      continue;
    }
    abandoned = 0;
    if (observer.seen != nullptr) {
      observer.seen(observer.context, state.J, end, state.c, forces.Fs + forces.Fc - start.PN);
    }
    if (endOfStepCheck(state, model, forces, end == SearchEnd::OutOfTrials) == StepEnd::EndCurve) {
      return state.J;
    }
  }
}

}  // namespace mphi
