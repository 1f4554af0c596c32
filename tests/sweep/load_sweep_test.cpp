#include "sweep/load_sweep.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/analysis/worked_section.h"

namespace mphi {
namespace {

// From -0.8 As fy to 0.9 Po, As = r b h, Po = 0.85 fc (b h - As) + As fy,
// to the hundredth of a ton: -94.08 T to 326.25 T for the worked section,
// each the float of its two-decimal text.
TEST(LoadSweepTest, DefaultLoadsSpanTensionToNinetyPerCentOfSquash) {
  const std::vector<float> loads = defaultLoads(workedSection(), 21);
  ASSERT_EQ(loads.size(), 21u);
  EXPECT_EQ(loads.front(), -94.08f);
  EXPECT_EQ(loads.back(), 326.25f);
  EXPECT_NEAR(loads[10], (loads.front() + loads.back()) / 2, 0.005);
  for (float load : loads) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", load);
    EXPECT_EQ(std::strtof(text, nullptr), load) << load;
  }
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
