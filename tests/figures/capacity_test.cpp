// The drift capacity has no jumps: from one tie spacing or axial load to
// the next it changes by less than 15 %, where the 0.8 Mu end once halved
// it (ties at 16.75 cm: 3.42 %, at 17 cm: 1.66 %).
#include "figures/capacity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/section_check.h"
#include "assessment/assessment_model.h"
#include "figures/limit_states.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

// The worked section, spread steel, as a 200 cm cantilever.
double capacity(float spacing, double nu) {
  SectionData s = workedSection();
  s.sccm = spacing;
  s.P0 = static_cast<float>(nu * s.fc * s.b * s.h);
  EXPECT_FALSE(prepareSection(s)) << spacing << ", " << nu;
  const DriftCapacity c = limitStateFigures(s, assessmentCurve(s, std::nullopt), 200).capacity;
  EXPECT_TRUE(c.drift) << spacing << ", " << nu << ": " << c.reason;
  return c.drift.value_or(0);
}

TEST(CapacityTest, NoJumpsAsTheTiesOpen) {
  double previous = capacity(2.5f, 0.34);
  for (int i = 1; 2.5 + 0.25 * i <= 30; ++i) {
    const float spacing = static_cast<float>(2.5 + 0.25 * i);
    const double drift = capacity(spacing, 0.34);
    EXPECT_LT(std::fabs(drift / previous - 1), 0.15) << "ties at " << spacing << " cm";
    previous = drift;
  }
}

TEST(CapacityTest, NoJumpsAsTheLoadRises) {
  double previous = capacity(10, 0);
  for (int i = 1; i <= 65; ++i) {
    const double drift = capacity(10, 0.01 * i);
    EXPECT_LT(std::fabs(drift / previous - 1), 0.15) << "nu = " << 0.01 * i;
    previous = drift;
  }
}

}  // namespace
}  // namespace mphi
