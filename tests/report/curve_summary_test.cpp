#include "report/curve_summary.h"

#include <gtest/gtest.h>

#include "tests/report/report_test_data.h"

namespace mphi {
namespace {

// An exactly bilinear curve: slope 100 to (1, 100), then flat to 3. Its
// own idealisation is itself: Mp = 100, yield at 1, ductility 3.
TEST(IdealisationTest, RecoversAnExactlyBilinearCurve) {
  const std::vector<CurvePoint> points = {
      {0, 0, 1}, {0.5, 50, 2}, {1, 100, 3}, {2, 100, 4}, {3, 100, 5}};
  const Idealisation i = idealise(points, 100, 1, 100);
  ASSERT_EQ(i.state, IdealisationState::Done);
  EXPECT_DOUBLE_EQ(i.area, 250);
  EXPECT_DOUBLE_EQ(i.Mp, 100);
  EXPECT_DOUBLE_EQ(i.kyi, 1);
  EXPECT_DOUBLE_EQ(i.ductility, 3);
  EXPECT_FALSE(i.overstates);
}

TEST(IdealisationTest, SaysWhenItCannot) {
  const std::vector<CurvePoint> points = {{0, 0, 1}, {1, 100, 2}, {3, 100, 3}};
  EXPECT_EQ(idealise(points, 0, 0, 100).state, IdealisationState::NoYield);
  // A stiffness of 10 cannot enclose the area 250 before curvature 3.
  EXPECT_EQ(idealise(points, 10, 1, 100).state, IdealisationState::NoRealRoot);
}

TEST(CurveSummaryTest, WorkedExample) {
  const ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  const CurveSummary s = summariseCurve(p.file);
  EXPECT_EQ(s.points.size(), 154u);  // the origin and rows 2 to 154
  EXPECT_NEAR(s.steelRatio, 0.02, 1e-6);
  EXPECT_EQ(s.peak.row, 92);
  EXPECT_EQ(s.peak.m, 2107.559f);
  EXPECT_EQ(s.ultimate.row, 154);
  EXPECT_EQ(s.end, CurveEnd::KeyPoint);
  ASSERT_EQ(s.ideal.state, IdealisationState::Done);
  EXPECT_NEAR(s.ideal.Mp, 2673.5, 0.1);
  EXPECT_TRUE(s.ideal.overstates);
  const std::string text = summaryText(p.file, s);
  EXPECT_NE(text.find("Warning: Mp (2673.507 T.cm) is above the peak moment Mu (2107.559"),
            std::string::npos)
      << text;
}

TEST(CurveSummaryTest, SkipsZeroRowsAndTellsHowTheCurveEnded) {
  SectionFile f;
  f.b = f.h = 40;
  f.dcm = 2;
  f.rows.resize(500);
  for (int i = 1; i < 500; ++i) f.rows[i] = {i * 1e-6f, 100.0f * i, 1e-4f * i, 10};
  f.rows[10] = {};  // an abandoned step
  CurveSummary s = summariseCurve(f);
  EXPECT_EQ(s.end, CurveEnd::TableFull);
  EXPECT_EQ(s.points.size(), 499u);
  EXPECT_EQ(s.ideal.state, IdealisationState::NoYield);
  EXPECT_NE(summaryText(f, s).find("  not reached"), std::string::npos);

  f.rows.resize(3);
  f.rows[1] = f.rows[2] = {};
  s = summariseCurve(f);
  EXPECT_EQ(s.end, CurveEnd::NothingComputed);
  EXPECT_NE(summaryText(f, s).find("no step was computed"), std::string::npos);
}

}  // namespace
}  // namespace mphi
