#include "section/bar_layout.h"

#include <gtest/gtest.h>

namespace mphi {
namespace {

struct LayoutCase {
  float b, h, r;
  BarLayout expected;  // single-precision values, compared exactly
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
  *os << "b " << c.b << ", h " << c.h << ", r " << c.r;
}

class BarLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(BarLayoutTest, DerivesAreasAndDepths) {
  const LayoutCase& c = GetParam();
  const BarLayout got = computeBarLayout(c.b, c.h, c.r);
  const BarLayout& e = c.expected;
  EXPECT_EQ(got.A1, e.A1);
  EXPECT_EQ(got.A2, e.A2);
  EXPECT_EQ(got.A3, e.A2);
  EXPECT_EQ(got.A4, e.A2);
  EXPECT_EQ(got.d1, 6.0f);
  EXPECT_EQ(got.d2, e.d2);
  EXPECT_EQ(got.d3, e.d3);
  EXPECT_EQ(got.d4, e.d4);
}

INSTANTIATE_TEST_SUITE_P(
    Sections, BarLayoutTest,
    testing::Values(LayoutCase{40,
                               35,
                               0.02f,
                               {7.686275005340576f, 2.1045751571655273f, 0, 0, 6,
                                7.916666507720947f, 11.75f, 15.583333015441895f}},
                    LayoutCase{50,
                               50,
                               0.02f,
                               {12.5f, 4.166666507720947f, 0, 0, 6, 9.166666984558105f, 15.5f,
                                21.83333396911621f}}));

TEST(BarLayoutTest, DepthOfTwelveLeavesNoSideLayers) {
  const BarLayout l = computeBarLayout(40, 12, 0.02f);
  EXPECT_NEAR(l.A1, 4.8, 1e-6);
  EXPECT_EQ(l.A2, 0.0f);
  EXPECT_EQ(l.d2, 6.0f);
  EXPECT_EQ(l.d3, 6.0f);
  EXPECT_EQ(l.d4, 6.0f);
}

TEST(BarLayoutTest, SteelAddsUpToTheRatio) {
  const BarLayout l = computeBarLayout(60, 80, 0.03f);
  EXPECT_NEAR(2 * (l.A1 + l.A2 + l.A3 + l.A4), 60 * 80 * 0.03, 1e-3);
  EXPECT_NEAR(l.A1 / l.A2, 3.0 * 48 / 68, 1e-5);
}

TEST(BarLayoutTest, BarCountsStayFractional) {
  SectionData s;
  s.b = 40;
  s.h = 35;
  s.r = 0.02f;
  s.dcm = 1.9f;
  applyBarLayout(s);
  EXPECT_EQ(s.num1, 2.7109272480010986f);
  EXPECT_EQ(s.num2, 0.7422776222229004f);
  EXPECT_EQ(s.num3, s.num2);
  EXPECT_EQ(s.num4, s.num2);
  EXPECT_EQ(s.dt, 6.0f);
  EXPECT_EQ(s.clearh2cm, 7.916666507720947f);
  EXPECT_EQ(s.cln3, 11.75f);
  EXPECT_EQ(s.cln4, 15.583333015441895f);
}

}  // namespace
}  // namespace mphi
