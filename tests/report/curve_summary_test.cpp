#include "report/curve_summary.h"

#include <gtest/gtest.h>

#include "report/curve_report.h"
#include "report/summary_text.h"
#include "tests/report/report_test_data.h"

namespace mphi {
namespace {

// The worked example, with the figures worked out independently.
TEST(CurveReportTest, WorkedExample) {
  const ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  const CurveReport r = reportCurve(p.file, 200);
  const CurveSummary& s = r.summary;
  EXPECT_EQ(s.points.size(), 154u);  // the origin and rows 2 to 154
  EXPECT_NEAR(s.steelRatio, 0.02, 1e-6);
  EXPECT_EQ(s.peak.row, 92);
  EXPECT_EQ(s.peak.m, 2107.559f);
  EXPECT_EQ(s.ultimate.row, 154);
  EXPECT_EQ(s.end, CurveEnd::KeyPoint);

  ASSERT_EQ(r.caltrans.state, CaltransState::Done);
  EXPECT_NEAR(r.caltrans.Mp, 2036.0, 0.05);
  EXPECT_NEAR(r.caltrans.phiYi, 1.6013e-4, 1e-8);
  EXPECT_NEAR(r.caltrans.muPhi, 1.631, 5e-4);
  EXPECT_FALSE(r.caltrans.overstates);
  EXPECT_EQ(r.priestley.limit, NominalLimit::Concrete);
  EXPECT_NEAR(r.priestley.Mn, 1959.7, 0.05);
  EXPECT_EQ(r.priestley.phiY, p.file.Ky);
  EXPECT_NEAR(r.priestley.muPhi, 1.628, 5e-4);

  ASSERT_TRUE(r.hasDrift);
  EXPECT_NEAR(r.drift.Lp, 34.42, 0.005);
  EXPECT_NEAR(r.drift.deltaY, 2.140, 5e-4);
  EXPECT_NEAR(r.drift.deltaU, 2.833, 5e-4);
  EXPECT_NEAR(r.drift.muDelta, 1.324, 5e-4);
  EXPECT_NEAR(r.drift.Vu, 7.04, 0.005);
  const std::string text = summaryText(p.file, r);
  EXPECT_EQ(text.find("Warning"), std::string::npos) << text;
  EXPECT_NE(text.find("set by the extreme-fibre strain 0.004"), std::string::npos) << text;
}

TEST(CurveReportTest, SkipsZeroRowsAndTellsHowTheCurveEnded) {
  SectionFile f;
  f.b = f.h = 40;
  f.dcm = 2;
  f.rows.resize(500);
  for (int i = 1; i < 500; ++i) f.rows[i] = {i * 1e-6f, 100.0f * i, 1e-4f * i, 10};
  f.rows[10] = {};  // an abandoned step
  CurveReport r = reportCurve(f, 100);
  EXPECT_EQ(r.summary.end, CurveEnd::TableFull);
  EXPECT_EQ(r.summary.points.size(), 499u);
  EXPECT_EQ(r.caltrans.state, CaltransState::NoYield);
  EXPECT_FALSE(r.priestley.yielded);
  EXPECT_FALSE(r.hasDrift);
  const std::string text = summaryText(f, r);
  EXPECT_NE(text.find("  not reached"), std::string::npos);
  EXPECT_NE(text.find("not available for this curve: first yield"), std::string::npos);

  f.rows.resize(3);
  f.rows[1] = f.rows[2] = {};
  r = reportCurve(f);
  EXPECT_EQ(r.summary.end, CurveEnd::NothingComputed);
  EXPECT_FALSE(r.priestley.available);
  EXPECT_NE(summaryText(f, r).find("no step was computed"), std::string::npos);
}

}  // namespace
}  // namespace mphi
