#include "sweep/load_sweep.h"

#include <gtest/gtest.h>

#include "tests/analysis/worked_section.h"

namespace mphi {
namespace {

// From -0.9 As fy to 0.9 Po, As = r b h, Po = 0.85 fc (b h - As) + As fy:
// -105.84 T to 326.25 T for the worked section.
TEST(LoadSweepTest, DefaultLoadsSpanTensionToNinetyPerCentOfSquash) {
  const std::vector<float> loads = defaultLoads(workedSection(), 21);
  ASSERT_EQ(loads.size(), 21u);
  EXPECT_NEAR(loads.front(), -0.9 * 28 * 4.2, 1e-4);
  EXPECT_NEAR(loads.back(), 0.9 * (0.85 * 0.21 * (1400 - 28) + 28 * 4.2), 1e-4);
  EXPECT_NEAR(loads[10], (loads.front() + loads.back()) / 2, 1e-4);
}

TEST(LoadSweepTest, SameTableOnOneAndOnTwoThreads) {
  const SectionData s = workedSection();
  const std::vector<float> loads = defaultLoads(s, 7);
  for (Model model : {Model::Specified, Model::Assessment}) {
    Analysis a;
    a.model = model;
    a.length = 300;
    EXPECT_EQ(sweepCsv(sweepLoads(s, loads, a, 1, {}), model),
              sweepCsv(sweepLoads(s, loads, a, 2, {}), model));
  }
}

}  // namespace
}  // namespace mphi
