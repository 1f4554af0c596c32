#include "figures/curve_figures.h"

#include <gtest/gtest.h>

#include "report/summary_text.h"
#include "tests/report/report_test_data.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

// The worked example, with the figures worked out independently.
TEST(CurveFiguresTest, WorkedExample) {
  const SectionFile f = workedFile();
  const CurveFigures r = curveFigures(f.section, f.curve, withLength(200));
  EXPECT_NEAR(r.steelRatio, 0.02, 1e-6);

  ASSERT_EQ(r.caltrans.state, CaltransState::Done);
  EXPECT_NEAR(r.caltrans.Mp, 2036.0, 0.05);
  EXPECT_NEAR(r.caltrans.phiYi, 1.6013e-4, 1e-8);
  EXPECT_NEAR(r.caltrans.muPhi, 1.631, 5e-4);
  EXPECT_FALSE(r.caltrans.overstates);
  EXPECT_EQ(r.priestley.limit, NominalLimit::Concrete);
  EXPECT_NEAR(r.priestley.Mn, 1959.7, 0.05);
  EXPECT_EQ(r.priestley.phiY, f.curve.keys.firstYield.phi);
  EXPECT_NEAR(r.priestley.muPhi, 1.628, 5e-4);

  // The drift at L = 200 cm, worked by hand from the rows.
  ASSERT_TRUE(r.hasDrift);
  EXPECT_NEAR(r.drift.column.Lsp, 17.212, 5e-4);
  EXPECT_NEAR(r.drift.column.k, 0.05, 1e-12);
  EXPECT_NEAR(r.drift.column.Lp, 34.424, 5e-4);
  EXPECT_NEAR(r.drift.deltaY, 2.5236, 5e-5);
  EXPECT_NEAR(r.drift.deltaU, 3.2174, 5e-5);
  EXPECT_NEAR(r.drift.muDelta, 1.2749, 5e-5);
  EXPECT_NEAR(r.drift.driftU, 0.01609, 5e-6);
  EXPECT_NEAR(r.drift.Vu, 6.852, 5e-4);
  const std::string text = summaryText(f.section, f.curve, r);
  EXPECT_EQ(text.find("Warning"), std::string::npos) << text;
  EXPECT_NE(text.find("set by the extreme-fibre strain 0.004"), std::string::npos) << text;
}

TEST(CurveFiguresTest, SkipsZeroRowsAndTellsHowTheCurveEnded) {
  SectionData s;
  s.b = s.h = 40;
  s.dcm = 2;
  std::vector<TableRow> rows(500);
  for (int i = 1; i < 500; ++i) rows[i] = {i * 1e-6f, 100.0f * i, 1e-4f * i, 10};
  rows[10] = {};  // an abandoned step
  Curve c = curveFromTable(rows, 0, 0, 34);
  c.end = CurveEnd::TableFull;
  CurveFigures r = curveFigures(s, c, withLength(100));
  EXPECT_EQ(c.points.size(), 499u);
  EXPECT_EQ(r.caltrans.state, CaltransState::NoYield);
  EXPECT_FALSE(r.priestley.yielded);
  EXPECT_FALSE(r.hasDrift);
  const std::string text = summaryText(s, c, r);
  EXPECT_NE(text.find("  not reached"), std::string::npos);
  EXPECT_NE(text.find("not available for this curve: first yield"), std::string::npos);
  EXPECT_NE(text.find("the table is full (500 rows)"), std::string::npos) << text;

  rows.resize(3);
  rows[1] = rows[2] = {};
  c = curveFromTable(rows, 0, 0, 34);
  r = curveFigures(s, c);
  EXPECT_FALSE(r.priestley.available);
  EXPECT_NE(summaryText(s, c, r).find("no row balanced the axial load: no figures"),
            std::string::npos);
}

}  // namespace
}  // namespace mphi
