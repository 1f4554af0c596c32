#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/curvature_stepping.h"
#include "analysis/specified_model.h"
#include "section/bar_layout.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

int eventsOf(const Curve& curve, StepEventKind kind) {
  return static_cast<int>(std::count_if(curve.events.begin(), curve.events.end(),
                                        [kind](const StepEvent& e) { return e.kind == kind; }));
}

TEST(AnalysisTest, WorkedExample) {
  const Curve curve = specifiedCurve(workedSection());
  EXPECT_NEAR(curve.constants.fcc, 30.60, 0.01);
  EXPECT_NEAR(curve.constants.fc1, 20.59, 0.01);
  EXPECT_TRUE(curve.events.empty());
  EXPECT_EQ(curve.end, CurveEnd::PointEightMu);

  const std::vector<TableRow> rows = tableOf(curve);
  ASSERT_EQ(rows.size(), 155u);
  const struct {
    int row;
    TableRow expected;
  } anchors[] = {{1, {0, 0, 0, 0}},
                 {2, {3.328e-05f, 893.4f, 0.0008372f, 25.16f}},
                 {3, {3.538e-05f, 928.6f, 0.0008622f, 24.37f}},
                 {154, {2.612e-04f, 1692, 0.004637f, 17.75f}},
                 {155, {0, 0, 0, 0}}};
  for (const auto& a : anchors) {
    const TableRow& r = rows[a.row - 1];
    EXPECT_NEAR(r.k, a.expected.k, 1e-3 * a.expected.k) << "row " << a.row;
    EXPECT_NEAR(r.m, a.expected.m, 1e-3 * a.expected.m) << "row " << a.row;
    EXPECT_NEAR(r.e, a.expected.e, 1e-3 * a.expected.e) << "row " << a.row;
    EXPECT_NEAR(r.c, a.expected.c, 1e-3 * a.expected.c) << "row " << a.row;
  }
  EXPECT_EQ(curve.keys.peak.row, 92);
  EXPECT_NEAR(curve.keys.peak.M, 2108, 1);
  EXPECT_EQ(curve.keys.ultimate.row, 154);
  ASSERT_TRUE(curve.keys.firstYield.exists);
  EXPECT_NEAR(curve.keys.firstYield.M, 2040, 1);
  EXPECT_NEAR(curve.keys.firstYield.phi, 1.605e-4, 1e-7);
}

TEST(AnalysisTest, YieldRowMatchesTheYieldPoint) {
  const Curve curve = specifiedCurve(workedSection());
  const KeyPoint& yield = curve.keys.firstYield;
  int matches = 0;
  for (const CurvePoint& p : curve.points) matches += p.M == yield.M && p.phi == yield.phi;
  EXPECT_EQ(matches, 1);
}

// A load beyond what any depth can carry: every step is abandoned, and the
// curve ends after twenty in a row with a table of zero rows.
TEST(AnalysisTest, LoadBeyondCapacityEndsTheCurve) {
  const Curve curve = specifiedCurve(workedSection(10000));
  EXPECT_EQ(curve.end, CurveEnd::NoEquilibrium);
  EXPECT_EQ(curve.tableRows, 21);
  EXPECT_EQ(curve.points.size(), 1u);  // the origin alone
  EXPECT_FALSE(curve.keys.firstYield.exists);
  EXPECT_FALSE(curve.keys.peak.exists);
}

TEST(AnalysisTest, FullTableEndsAtRowFiveHundred) {
  // A heavily reinforced section with almost no cover that keeps its
  // moment far past the table's length.
  SectionData s = workedSection(0);
  s.clearb1cm = 0.5f;
  s.dbcm = 1.6f;
  s.sccm = 4;
  s.fsy = 10;
  s.r = 0.08f;
  applyBarLayout(s);
  const Curve curve = specifiedCurve(s);
  EXPECT_EQ(curve.end, CurveEnd::TableFull);
  EXPECT_EQ(curve.tableRows, 500);
  EXPECT_EQ(curve.points.back().row, 500);
  EXPECT_EQ(eventsOf(curve, StepEventKind::PastRowLimit), 2);  // rows 499 and 500
}

TEST(AnalysisTest, SearchOutOfTrialsIsReportedAndRecorded) {
  const SectionData s = workedSection();
  const SectionModel model = makeSectionModel(s, deriveMaterials(s));
  CurveState state;
  traceCurve(model, s, state, SteppingLimits{1, 20});
  // The first step does not balance at its first trial.
  ASSERT_FALSE(state.events.empty());
  EXPECT_EQ(state.events[0].kind, StepEventKind::OutOfTrials);
  EXPECT_EQ(state.events[0].row, 2);
  EXPECT_EQ(state.events[0].value, stepStart(s).Ecm);
  EXPECT_NE(state.table.m[2], 0.0f);
}

// Balance lies far beyond twice the starting depth: c creeps up to that
// bound until the moves no longer change it, and the search ends as out of
// trials with the state of a trial at the final depth.
TEST(AnalysisTest, StuckSearchEndsOutOfTrialsAtItsLastDepth) {
  const SectionData s = workedSection();
  const SectionModel model = makeSectionModel(s, deriveMaterials(s));
  const StepStart start = stepStart(s);
  double c = 10.0;
  SectionForces forces;
  EXPECT_EQ(searchDepth(model, start.Ecm, start, 300, c, forces), SearchEnd::OutOfTrials);
  EXPECT_GT(c, 19.999);
  EXPECT_LE(c, 20.0);
  const SectionForces again = evaluateForces(model, start.Ecm, c);
  EXPECT_EQ(forces.phi, again.phi);
  EXPECT_EQ(forces.Fc, again.Fc);
  EXPECT_EQ(forces.Fs, again.Fs);
}

// A search that balances at once at a depth outside the section's range
// (where an abandoned step left c) abandons the step and leaves c there.
TEST(AnalysisTest, BalanceOutsideTheDepthRangeIsNotAResult) {
  const SectionData s = workedSection();
  const SectionModel model = makeSectionModel(s, deriveMaterials(s));
  const float Ecm = 0.002f;
  // The bounds themselves lie outside: 2h - 0.0001 and 0.0001 mm (as a float).
  for (double depth : {3.0 * model.h, 2.0 * model.h, static_cast<double>(0.0001f), 0.00005}) {
    const SectionForces balanced = evaluateForces(model, Ecm, depth);
    StepStart start = stepStart(s);
    start.PN = toSingle(balanced.Fs + balanced.Fc);
    double c = depth;
    SectionForces forces;
    EXPECT_EQ(searchDepth(model, Ecm, start, 300, c, forces), SearchEnd::Abandoned) << depth;
    EXPECT_EQ(c, depth);
  }
}

// A load beyond the section after some steps: abandoned steps push c far
// past twice the depth, where a later step balanced at its first trial and
// was recorded with a depth of 683 cm and a moment of -2.8e6 T.cm. Now no
// row lies outside the section and the curve ends after 20 abandoned steps.
TEST(AnalysisTest, NoRowRecordedOutsideTheSectionDepth) {
  SectionData s = workedSection(2100);
  s.b = 100;
  s.h = 40;
  s.clearb1cm = 8;
  s.fc = 0.241f;
  s.fy = 0.2f;
  s.fsy = 1.8f;
  s.Es = 2300;
  s.r = 0;
  applyBarLayout(s);
  const Curve curve = specifiedCurve(s);
  EXPECT_EQ(curve.end, CurveEnd::NoEquilibrium);
  EXPECT_EQ(curve.tableRows, 21);
  for (const CurvePoint& p : curve.points) EXPECT_LT(p.c, 2 * s.h);
}

TEST(AnalysisTest, StartStrainAndTolerance) {
  const StepStart worked = stepStart(workedSection());
  EXPECT_NEAR(worked.Ecm, 2 * 0.000419, 2e-6);
  EXPECT_NEAR(worked.tolN, 0.21 * 40 * 35 * 9810 / 200, 0.01);
  // A heavy load sets the tolerance at one per cent of itself.
  EXPECT_NEAR(stepStart(workedSection(500)).tolN, 500 * 9810 / 100.0, 1e-3);
  for (float P0 : {0.0f, -50.0f}) {
    const StepStart start = stepStart(workedSection(P0));
    EXPECT_EQ(start.Ecm, 0.0001f);
    EXPECT_NEAR(start.tolN, 0.21 * 40 * 35 * 9810 / 200, 0.01);
  }
}

}  // namespace
}  // namespace mphi
