#include <gtest/gtest.h>

#include <cmath>

#include "validation/specimen.h"
#include "validation/statistics.h"

namespace mphi {
namespace {

// Gill et al.'s first column, mapped by hand: mm to cm, MPa by 0.0102 to
// T/cm2, kN by 9.81 to T, the cover to the tie centre line as clearb1cm.
TEST(ValidationTest, MapsARowToSectionData) {
  const std::vector<std::string> header = {"id",
                                           "source",
                                           "failure",
                                           "p_delta",
                                           "b_mm",
                                           "h_mm",
                                           "clear_cover_mm",
                                           "cover_to_tie_centre_mm",
                                           "fc_MPa",
                                           "fy_MPa",
                                           "fyh_MPa",
                                           "r",
                                           "n_bars",
                                           "bar_diam_mm",
                                           "n_face",
                                           "n_side",
                                           "tie_diam_mm",
                                           "tie_spacing_mm",
                                           "n_legs",
                                           "P_kN",
                                           "L_mm",
                                           "Vmax_kN",
                                           "Feff_max_kN",
                                           "drift_cap_Feff_pct",
                                           "drift_cap_Feff_flag",
                                           "max_drift_pct"};
  const std::vector<std::string> row = {"T001",        "Gill et al. 1979, No. 1",
                                        "Flexure",     "Shear provided",
                                        "550.0",       "550.0",
                                        "40.0",        "45.0",
                                        "23.1",        "375.0",
                                        "297.0",       "0.017946",
                                        "12",          "24.0",
                                        "4",           "2",
                                        "10.0",        "80.0",
                                        "4.0",         "1815.0",
                                        "1200.0",      "696.16",
                                        "730.755",     "2.819",
                                        "not_reached", "2.822"};
  Specimen s;
  std::string error;
  ASSERT_TRUE(specimenOf(header, row, s, error)) << error;
  EXPECT_EQ(s.id, "T001");
  EXPECT_EQ(s.failure, "Flexure");
  EXPECT_EQ(s.driftFlag, "not_reached");
  const SectionData& d = s.section;
  EXPECT_EQ(d.b, 55.0f);
  EXPECT_EQ(d.h, 55.0f);
  EXPECT_EQ(d.clearb1cm, 4.5f);
  EXPECT_EQ(d.dcm, 2.4f);
  EXPECT_EQ(d.dbcm, 1.0f);
  EXPECT_EQ(d.sccm, 8.0f);
  EXPECT_FLOAT_EQ(d.fc, 0.23562f);
  EXPECT_FLOAT_EQ(d.fy, 3.825f);
  EXPECT_FLOAT_EQ(d.fsy, 3.0294f);
  EXPECT_EQ(d.Es, 2040.0f);  // 200 GPa
  EXPECT_FLOAT_EQ(d.P0, 185.01529f);
  EXPECT_EQ(d.r, 0.017946f);
  EXPECT_EQ(s.bars.face, 4);
  EXPECT_EQ(s.bars.side, 2);
  EXPECT_EQ(s.legs.b, 4);
  EXPECT_EQ(s.legs.h, 4);
  EXPECT_EQ(s.lengthCm, 120);
  EXPECT_EQ(s.feffMaxKn, 730.755);
  EXPECT_EQ(s.driftCapPct, 2.819);
  std::vector<std::string> shortRow = row;
  shortRow[8] = "23,1";
  EXPECT_FALSE(specimenOf(header, shortRow, s, error));
  EXPECT_EQ(error, "fc_MPa: \"23,1\" is not a number");
}

// Three ratios worked by hand: 1, 2 and 4.
TEST(ValidationTest, StatisticsOfThreeRatios) {
  const RatioStatistics s = statisticsOf({4, 1, 2});
  EXPECT_EQ(s.count, 3);
  EXPECT_DOUBLE_EQ(s.mean, 7.0 / 3);
  EXPECT_NEAR(s.cov, std::sqrt(7.0 / 3) / (7.0 / 3), 1e-12);  // sample variance 14/6
  EXPECT_EQ(s.median, 2);
  EXPECT_EQ(s.min, 1);
  EXPECT_EQ(s.max, 4);
  EXPECT_NEAR(s.logStd, std::log(2.0), 1e-12);  // logs 0, ln 2, 2 ln 2
  EXPECT_EQ(statisticsOf({1, 3}).median, 2);
  EXPECT_EQ(statisticsOf({}).count, 0);
  // Measured twice the prediction every time: perfectly correlated logs;
  // in reverse order, perfectly against.
  EXPECT_NEAR(logCorrelation({1, 2, 4}, {2, 4, 8}), 1, 1e-12);
  EXPECT_NEAR(logCorrelation({1, 2, 4}, {8, 4, 2}), -1, 1e-12);
  EXPECT_NEAR(logCorrelation({1, 2, 4}, {1, 4, 2}), 0.5, 1e-12);
}

}  // namespace
}  // namespace mphi
