#include "analysis/key_points.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mphi {
namespace {

// A model without steel area, so that a step's moment is its concrete
// moment alone and every test below can set it exactly.
SectionModel bareModel() {
  SectionModel m;
  m.h = 350;
  m.materials.ey = 0.002f;
  m.materials.e40 = 0.08f;
  return m;
}

struct Step {
  double M;
  float Es1, Es8, Ecm;
  bool outOfTrials;
};

struct CheckCase {
  const char* name;
  double Mu;
  int yieldFlag;
  Step step;
  StepEnd end;
  std::vector<StepEventKind> events;  // what the step reports
  bool yieldCaught;
};

// Lists and failures show the case by its name.
void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.name;
}

const StepEventKind kEs1 = StepEventKind::CompressionBarsFailed;
const StepEventKind kEs8 = StepEventKind::TensionBarsFailed;
const StepEventKind kEcm = StepEventKind::OutOfTrials;

// A curve ended by a step ends by the failure that step reports last, or
// else by the drop below 0.8 Mu.
CurveEnd endingOf(const std::vector<StepEventKind>& events) {
  if (!events.empty() && events.back() == kEs1) return CurveEnd::CompressionBars;
  if (!events.empty() && events.back() == kEs8) return CurveEnd::TensionBars;
  return CurveEnd::PointEightMu;
}

class EndOfStepTest : public testing::TestWithParam<CheckCase> {};

TEST_P(EndOfStepTest, DecidesInOrder) {
  const CheckCase& c = GetParam();
  const SectionModel model = bareModel();
  CurveState state;
  state.J = 7;
  state.c = 123.0;
  state.Mu = c.Mu;
  state.yieldFlag = c.yieldFlag;
  state.Ecm = c.step.Ecm;
  SectionForces forces;
  forces.phi = 2e-5;
  forces.Mc = c.step.M;
  forces.strain[0] = c.step.Es1;
  forces.strain[7] = c.step.Es8;

  EXPECT_EQ(endOfStepCheck(state, model, forces, c.step.outOfTrials), c.end);
  ASSERT_EQ(state.events.size(), c.events.size());
  for (std::size_t i = 0; i < c.events.size(); ++i) {
    const StepEvent& e = state.events[i];
    EXPECT_EQ(e.kind, c.events[i]) << "event " << i;
    EXPECT_EQ(e.row, 7);
    const float value = e.kind == kEcm ? c.step.Ecm : e.kind == kEs1 ? c.step.Es1 : c.step.Es8;
    EXPECT_EQ(e.value, value) << "event " << i;
  }
  if (c.end == StepEnd::EndCurve) {
    EXPECT_EQ(state.ending, endingOf(c.events));
  }
  EXPECT_EQ(state.yieldFlag == 1 && c.yieldFlag == 0, c.yieldCaught);
  const bool recorded = c.end == StepEnd::Continue;
  EXPECT_EQ(state.table.m[7] != 0, recorded && c.step.M != 0);
  EXPECT_EQ(state.table.e[7], recorded ? c.step.Ecm : 0.0f);
  EXPECT_EQ(state.Ecm, recorded ? c.step.Ecm + 2.5e-5f : c.step.Ecm);
  if (recorded) {
    EXPECT_EQ(state.table.c[7], 12.3f);
    EXPECT_EQ(state.table.k[7], 2e-4f);
  }
  if (c.yieldCaught) {
    EXPECT_EQ(state.My, state.table.m[7]);
    EXPECT_EQ(state.Ky, state.table.k[7]);
  }
}

const double kMu = 1e8;
const double kAtEightTenths = static_cast<double>(0.8f) * kMu;

INSTANTIATE_TEST_SUITE_P(
    Rules, EndOfStepTest,
    testing::Values(
        CheckCase{"PlainStep",
                  kMu,
                  1,
                  {9e7, 0.001f, -0.001f, 0.002f, false},
                  StepEnd::Continue,
                  {},
                  false},
        CheckCase{
            "FirstStepCannotDrop", 0, 0, {5e6, 0, 0, 0.001f, false}, StepEnd::Continue, {}, false},
        CheckCase{"AtEightTenthsContinues",
                  kMu,
                  1,
                  {kAtEightTenths, 0, 0, 0.004f, false},
                  StepEnd::Continue,
                  {},
                  false},
        CheckCase{"BelowEightTenthsEnds",
                  kMu,
                  1,
                  {kAtEightTenths - 1, 0, 0, 0.004f, false},
                  StepEnd::EndCurve,
                  {},
                  false},
        CheckCase{"NegativeMomentSkipsChecks",
                  kMu,
                  0,
                  {-1e6, 0.09f, -0.09f, 0.004f, false},
                  StepEnd::Continue,
                  {},
                  false},
        CheckCase{"CompressionFailureAtExactly40ey",
                  kMu,
                  1,
                  {9e7, 0.08f, 0, 0.002f, false},
                  StepEnd::Continue,
                  {kEs1},
                  false},
        CheckCase{"FailureAtEcmExactly0003Continues",
                  kMu,
                  1,
                  {9e7, 0.09f, 0, 0.003f, false},
                  StepEnd::Continue,
                  {kEs1},
                  false},
        CheckCase{"FailurePast0003Ends",
                  kMu,
                  1,
                  {9e7, -0.09f, 0, 0.0031f, false},
                  StepEnd::EndCurve,
                  {kEs1},
                  false},
        CheckCase{"BothFailPast0003OnlyFirstLine",
                  kMu,
                  1,
                  {9e7, 0.09f, -0.09f, 0.004f, false},
                  StepEnd::EndCurve,
                  {kEs1},
                  false},
        CheckCase{"BothFailBefore0003BothLines",
                  kMu,
                  1,
                  {9e7, 0.09f, -0.09f, 0.002f, false},
                  StepEnd::Continue,
                  {kEs1, kEs8},
                  false},
        CheckCase{"TensionFailureCatchesYield",
                  kMu,
                  0,
                  {9e7, 0.001f, -0.08f, 0.002f, false},
                  StepEnd::Continue,
                  {kEs8},
                  true},
        CheckCase{"YieldAtExactlyEy",
                  kMu,
                  0,
                  {9e7, 0.001f, -0.002f, 0.002f, false},
                  StepEnd::Continue,
                  {},
                  true},
        CheckCase{"YieldInCompressionCounts",
                  kMu,
                  0,
                  {9e7, 0.001f, 0.0021f, 0.002f, false},
                  StepEnd::Continue,
                  {},
                  true},
        CheckCase{"OnlyLayerEightDefinesYield",
                  kMu,
                  0,
                  {9e7, 0.005f, -0.0019f, 0.002f, false},
                  StepEnd::Continue,
                  {},
                  false},
        CheckCase{"YieldCaughtOnce",
                  kMu,
                  1,
                  {9e7, 0.001f, -0.005f, 0.002f, false},
                  StepEnd::Continue,
                  {},
                  false},
        CheckCase{"OutOfTrialsThenDrop",
                  kMu,
                  1,
                  {1e7, 0, 0, 0.004f, true},
                  StepEnd::EndCurve,
                  {kEcm},
                  false}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

TEST(EndOfStepTest, PeakUpdatesBeforeTheDropTest) {
  CurveState state;
  state.Mu = 100;
  SectionForces forces;
  forces.Mc = 250;
  endOfStepCheck(state, bareModel(), forces, false);
  EXPECT_EQ(state.Mu, 250);
  forces.Mc = -500;
  endOfStepCheck(state, bareModel(), forces, false);
  EXPECT_EQ(state.Mu, 250);
}

}  // namespace
}  // namespace mphi
