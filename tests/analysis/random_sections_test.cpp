// 2000 random but sensible sections through the stepping, each checked for
// what every curve must satisfy whatever the data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "analysis/curvature_stepping.h"
#include "analysis/section_check.h"
#include "tests/support/random_section.h"

namespace mphi {
namespace {

constexpr int kSections = 2000;

struct Step {
  SearchEnd end;
  double c;
  double dN;
};

struct Trace {
  std::vector<Step> steps = std::vector<Step>(kTableRows + 1);
};

void observeStep(void* context, int J, SearchEnd end, double c, double dN) {
  static_cast<Trace*>(context)->steps[J] = {end, c, dN};
}

// Checks one traced curve; returns the first broken rule, or empty.
std::string brokenRule(const SectionData& s, const SectionModel& model, const CurveState& state,
                       int rows, const Trace& trace) {
  const ResultsTable& t = state.table;
  if (rows < 1 || rows > kTableRows) return "row count " + std::to_string(rows);
  if (t.k[1] != 0 || t.m[1] != 0 || t.e[1] != 0 || t.c[1] != 0) return "row 1 not zero";
  const bool lastZero = t.k[rows] == 0 && t.m[rows] == 0 && t.e[rows] == 0 && t.c[rows] == 0;
  if (rows < kTableRows && !lastZero) return "last row not zero";
  for (int j = 1; j <= rows; ++j) {
    for (float v : {t.k[j], t.m[j], t.e[j], t.c[j]}) {
      if (!std::isfinite(v)) return "row " + std::to_string(j) + " not finite";
    }
  }
  if (!std::isfinite(state.My) || !std::isfinite(state.Ky)) return "yield point not finite";

  const double lowest = 0.0001;
  const double highest = 2.0 * model.h - 0.0001;
  int peakRow = 1;
  for (int j = 2; j <= rows; ++j) {
    if (t.e[j] == 0) continue;  // abandoned, or the step that ended the curve
    const Step& step = trace.steps[j];
    if (!(step.c > lowest && step.c < highest)) {
      return "row " + std::to_string(j) + " depth " + std::to_string(step.c) + " mm";
    }
    if (t.m[j] > t.m[peakRow]) peakRow = j;
  }
  const float tolN = stepStart(s).tolN;
  for (int j = 2; j <= rows; ++j) {
    const Step& step = trace.steps[j];
    if (step.end == SearchEnd::Converged && !(std::fabs(step.dN) <= tolN)) {
      return "row " + std::to_string(j) + " converged with mismatch " + std::to_string(step.dN);
    }
  }
  if (state.yieldFlag != 0) {
    bool found = false;
    for (int j = 2; j <= rows && !found; ++j) found = t.k[j] == state.Ky && t.m[j] == state.My;
    if (!found) return "no row holds the yield point";
  }
  if (rows < kTableRows || lastZero) {
    if (peakRow >= rows) return "largest moment in the ending row";
  }
  // The peak of the run lies in a recorded row, unless the ending step
  // itself was the peak: a bar failure can end the curve at its largest
  // moment, and that step is not recorded.
  const bool failureEnd =
      state.ending == CurveEnd::CompressionBars || state.ending == CurveEnd::TensionBars;
  const float peak = toSingle(state.Mu * 1.02e-5f);
  if (failureEnd ? t.m[peakRow] > peak : t.m[peakRow] != peak) {
    return "largest recorded moment " + std::to_string(t.m[peakRow]) + ", peak " +
           std::to_string(peak);
  }
  return {};
}

TEST(RandomSectionsTest, EveryCurveKeepsItsInvariants) {
  Uniform u{20261209};
  int failures = 0;
  for (int i = 0; i < kSections; ++i) {
    SectionData s = randomSection(u);
    const std::optional<Fault> fault = prepareSection(s);
    ASSERT_FALSE(fault) << "section " << i << ": " << faultText(*fault);

    Trace trace;
    const SectionModel model = makeSectionModel(s, deriveMaterials(s));
    CurveState state;
    const int rows = traceCurve(model, s, state, {}, {observeStep, &trace});
    const std::string broken = brokenRule(s, model, state, rows, trace);
    if (!broken.empty() && ++failures <= 10) {
      ADD_FAILURE() << "section " << i << " (b " << s.b << ", h " << s.h << ", P0 " << s.P0
                    << ", r " << s.r << "): " << broken;
    }
  }
  EXPECT_EQ(failures, 0);
}

}  // namespace
}  // namespace mphi
