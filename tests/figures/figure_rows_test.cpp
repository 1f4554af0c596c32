// A section pulled apart gives no figures from rows at or after its first
// bar failure, and none at all beyond what its steel carries in tension;
// read back from SECTION, none beyond As fy.
#include "figures/figure_rows.h"

#include <gtest/gtest.h>

#include "analysis/section_check.h"
#include "analysis/specified_model.h"
#include "model/section_result.h"
#include "section_file/section_reader.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

SectionData square50(float P0) {  // As fy = 210 T, As fu = 262.5 T
  SectionData s;
  s.b = s.h = 50;
  s.dcm = 2.5f, s.clearb1cm = 5, s.dbcm = 1.3f, s.sccm = 10;
  s.fc = 0.28f, s.fy = 4.2f, s.fsy = 2.8f, s.Es = 2040, s.P0 = P0, s.r = 0.02f;
  EXPECT_FALSE(prepareSection(s));
  return s;
}

TEST(FigureRowsTest, NoFiguresFromFailedBarsOrBeyondTheSteel) {
  const struct {
    const char* what;
    SectionData section;
    bool fromFile;
    FiguresStop stop;
    int lastRow;      // the last row the figures take; 0: none
    double stopLoad;  // T
    const char* status;
  } cases[] = {
      {"worked, 100 T", workedSection(100), false, FiguresStop::None, 154, 0, "ok"},
      {"worked, 100 T, SECTION", workedSection(100), true, FiguresStop::None, 154, 0, "ok"},
      {"worked, -130 T", workedSection(-130), false, FiguresStop::BarFailure, 21, 0,
       "bar_failure: the outermost tension bars reached their failure strain 40 ey (-0.08067) "
       "at row 22; the figures end at row 21"},
      {"worked, -140 T", workedSection(-140), false, FiguresStop::BarFailure, 0, 0,
       "bar_failure: the outermost tension bars reached their failure strain 40 ey (-0.113) at "
       "row 2; no figures"},
      {"worked, -140 T, SECTION", workedSection(-140), true, FiguresStop::BeyondSteelYield, 0,
       117.6,
       "the tension load exceeds what the steel carries at yield (As fy = 117.6 T), and SECTION "
       "does not say where its bars failed; no figures"},
      {"50 x 50, -250 T", square50(-250), false, FiguresStop::BarFailure, 0, 0, "bar_failure:"},
      {"50 x 50, -300 T", square50(-300), false, FiguresStop::BeyondSteelStrength, 0, 262.5,
       "the tension load exceeds what the steel can carry (As fu = 262.5 T); no figures"},
      {"50 x 50, -5000 T", square50(-5000), false, FiguresStop::BeyondSteelStrength, 0, 262.5,
       "the tension load exceeds"},
  };
  for (const auto& c : cases) {
    const SectionResult r =
        c.fromFile ? resultOfFile(asWritten(c.section, specifiedCurve(c.section)), withLength(300))
                   : analyse(c.section, withLength(300));
    const Curve& shown = r.reported.curve;
    EXPECT_EQ(shown.stop, c.stop) << c.what;
    EXPECT_NEAR(shown.stopLoad, c.stopLoad, 0.05) << c.what;
    EXPECT_EQ(resultStatus(r, {}).rfind(c.status, 0), 0u) << c.what << ": " << resultStatus(r, {});
    EXPECT_EQ(computed(shown) ? shown.points.back().row : 0, c.lastRow) << c.what;
    EXPECT_EQ(shown.keys.peak.exists, c.lastRow > 0) << c.what;
    EXPECT_EQ(r.figures.hasDrift, c.lastRow > 20) << c.what;
    if (!computed(shown)) {
      EXPECT_FALSE(shown.keys.firstYield.exists || r.figures.capacity.barBuckling) << c.what;
      continue;
    }
    // The peak is the largest moment of the rows left, and first yield
    // one of them.
    for (const CurvePoint& p : shown.points) EXPECT_LE(p.M, shown.keys.peak.M) << c.what;
    EXPECT_TRUE(!shown.keys.firstYield.exists || shown.keys.firstYield.row <= c.lastRow);
  }
}

}  // namespace
}  // namespace mphi
