#include "analysis/analysis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/curvature_stepping.h"
#include "analysis/results_report.h"
#include "driver/section_dialogue.h"
#include "tests/analysis/worked_section.h"
#include "textio/channels.h"

namespace mphi {
namespace {

struct Output {
  std::vector<std::string> console;
  std::vector<std::string> section;
};

void collect(void* context, int channel, const char* line, std::size_t length) {
  auto* out = static_cast<Output*>(context);
  (channel == kSectionChannel ? out->section : out->console).emplace_back(line, length);
}

Output analyse(const SectionData& s) {
  Output out;
  RecordWriter writer = makeRecordWriter(collect, &out);
  analyseSection(s, writer);
  return out;
}

struct Row {
  double k, m, e, c;
};

// Table rows between the header and the initial-yield label.
std::vector<Row> tableRows(const Output& out) {
  std::vector<Row> rows;
  for (std::size_t i = 1; i + 2 < out.section.size(); ++i) {
    const char* p = out.section[i].c_str();
    char* end;
    Row r;
    r.k = std::strtod(p, &end);
    r.m = std::strtod(end, &end);
    r.e = std::strtod(end, &end);
    r.c = std::strtod(end, &end);
    rows.push_back(r);
  }
  return rows;
}

TEST(AnalysisTest, WorkedExample) {
  const Output out = analyse(workedSection());
  ASSERT_EQ(out.console.size(), 2u);
  EXPECT_EQ(out.console[0].substr(0, 8), " fcc,fc1");
  EXPECT_NEAR(std::strtod(out.console[0].c_str() + 8, nullptr), 30.60, 0.01);
  EXPECT_EQ(out.console[1], std::string(" ") + kReachedPointEight);

  EXPECT_EQ(out.section.front(), " --- k(J) ---    m(J) ---   e(j)  ---   c(j) ---");
  const std::vector<Row> rows = tableRows(out);
  ASSERT_EQ(rows.size(), 155u);
  const struct {
    int row;
    Row expected;
  } anchors[] = {{1, {0, 0, 0, 0}},
                 {2, {3.328e-05, 893.4, 0.0008372, 25.16}},
                 {3, {3.538e-05, 928.6, 0.0008622, 24.37}},
                 {154, {2.612e-04, 1692, 0.004637, 17.75}},
                 {155, {0, 0, 0, 0}}};
  for (const auto& a : anchors) {
    const Row& r = rows[a.row - 1];
    EXPECT_NEAR(r.k, a.expected.k, 1e-3 * a.expected.k) << "row " << a.row;
    EXPECT_NEAR(r.m, a.expected.m, 1e-3 * a.expected.m) << "row " << a.row;
    EXPECT_NEAR(r.e, a.expected.e, 1e-3 * a.expected.e) << "row " << a.row;
    EXPECT_NEAR(r.c, a.expected.c, 1e-3 * a.expected.c) << "row " << a.row;
  }
  std::size_t peak = 0;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].m > rows[peak].m) peak = i;
  }
  EXPECT_EQ(peak + 1, 92u);
  EXPECT_NEAR(rows[peak].m, 2108, 1);

  EXPECT_EQ(out.section[out.section.size() - 2], " Initial yield: M      K");
  const std::string& yield = out.section.back();
  ASSERT_EQ(yield.size(), 44u);
  EXPECT_NEAR(std::strtod(yield.c_str() + 12, nullptr), 2040, 1);
  EXPECT_NEAR(std::strtod(yield.c_str() + 29, nullptr), 1.605e-4, 1e-7);
}

TEST(AnalysisTest, YieldRowMatchesTheYieldPoint) {
  const Output out = analyse(workedSection());
  const std::vector<Row> rows = tableRows(out);
  const std::string& yield = out.section.back();
  const double My = std::strtod(yield.c_str() + 12, nullptr);
  const double Ky = std::strtod(yield.c_str() + 29, nullptr);
  int matches = 0;
  for (const Row& r : rows) matches += r.m == My && r.k == Ky;
  EXPECT_EQ(matches, 1);
}

// A load beyond what any depth can carry: every step is abandoned, and the
// curve ends after twenty in a row with a table of zero rows.
TEST(AnalysisTest, LoadBeyondCapacityEndsTheCurve) {
  const Output out = analyse(workedSection(10000));
  EXPECT_EQ(out.console.back(), " no equilibrium found for P0");
  const std::vector<Row> rows = tableRows(out);
  ASSERT_EQ(rows.size(), 21u);
  for (const Row& r : rows) EXPECT_EQ(r.m, 0);
  EXPECT_EQ(out.section.back(), "              0.0000000E+00    0.0000000E+00");
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
  RecordWriter quiet = silentWriter();
  applyBarLayout(quiet, s);
  const Output out = analyse(s);
  const std::vector<Row> rows = tableRows(out);
  ASSERT_EQ(rows.size(), 500u);
  EXPECT_NE(rows[499].m, 0);
  int warnings = 0;
  for (const std::string& line : out.console)
    warnings += line == std::string(" ") + kTableFullWarning;
  EXPECT_EQ(warnings, 2);  // rows 499 and 500
}

TEST(AnalysisTest, SearchOutOfTrialsIsReportedAndRecorded) {
  const SectionData s = workedSection();
  const SectionModel model = makeSectionModel(s, deriveMaterials(s));
  Output out;
  RecordWriter console = makeRecordWriter(collect, &out);
  CurveState state;
  traceCurve(model, s, state, console, SteppingLimits{1, 20});
  ASSERT_GE(out.console.size(), 2u);
  // The first step does not balance at its first trial.
  EXPECT_EQ(out.console[0].substr(0, 5), " Ecm ");
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
  RecordWriter quiet = silentWriter();
  applyBarLayout(quiet, s);
  const Output out = analyse(s);
  ASSERT_FALSE(out.console.empty());
  EXPECT_EQ(out.console.back(), std::string(" ") + kNoEquilibrium);
  const std::vector<Row> rows = tableRows(out);
  EXPECT_EQ(rows.size(), 21u);
  for (const Row& r : rows) EXPECT_LT(r.c, 2 * s.h);
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
