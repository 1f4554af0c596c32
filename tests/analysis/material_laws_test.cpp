#include "curve/material_laws.h"

#include <gtest/gtest.h>

#include "tests/support/worked_section.h"

namespace mphi {
namespace {

TEST(MaterialLawsTest, WorkedSectionConfinement) {
  const Materials m = deriveMaterials(workedSection());
  EXPECT_NEAR(m.fc1, 20.588, 1e-3);
  EXPECT_NEAR(m.fcc, 30.597, 1e-3);
  EXPECT_NEAR(m.ke, 0.730, 1e-3);
  EXPECT_NEAR(m.rhos, 0.0172, 1e-4);
  EXPECT_NEAR(m.ecc, 0.00686, 1e-5);
  EXPECT_NEAR(m.rcc, 1.19, 5e-3);
}

TEST(MaterialLawsTest, SteelConstants) {
  const Materials m = deriveMaterials(workedSection());
  EXPECT_NEAR(m.fy, 411.76, 0.01);
  EXPECT_FLOAT_EQ(m.ey, 0.002f);
  EXPECT_FLOAT_EQ(m.esh, 0.02f);
  EXPECT_FLOAT_EQ(m.e40, 0.08f);
  EXPECT_NEAR(m.Esh, 1715.7, 0.1);
}

TEST(MaterialLawsTest, NoTiesMeansNoStrengthGain) {
  for (bool noTieSteel : {true, false}) {
    SectionData s = workedSection();
    (noTieSteel ? s.dbcm : s.fsy) = 0;
    const Materials m = deriveMaterials(s);
    EXPECT_EQ(m.fl, 0.0f);
    EXPECT_NEAR(m.fcc, m.fc1, 1e-5);
    EXPECT_NEAR(m.ecc, 0.002, 1e-8);
    EXPECT_NEAR(confinedStress(m, 0.002f), m.fc1, 1e-4);
  }
}

TEST(MaterialLawsTest, WideTieSpacingStillConfines) {
  SectionData s = workedSection();
  s.sccm = 80;  // more than twice the core's equivalent diameter
  const Materials m = deriveMaterials(s);
  EXPECT_LT(m.tieFactor, 0);
  EXPECT_GT(m.ke, 0);
}

struct LawCase {
  const char* law;
  float strain;
  double expected;  // in units of the law's strength (fc1 or fy)
};

void PrintTo(const LawCase& c, std::ostream* os) {
  *os << c.law << " at " << c.strain;
}

class StressLawTest : public testing::TestWithParam<LawCase> {};

TEST_P(StressLawTest, FollowsTheLaw) {
  const Materials m = deriveMaterials(workedSection());
  const LawCase& c = GetParam();
  const std::string law = c.law;
  if (law == "unconfined") {
    EXPECT_NEAR(unconfinedStress(m, c.strain), c.expected * m.fc1, 1e-4);
  } else if (law == "confined") {
    EXPECT_NEAR(confinedStress(m, c.strain), c.expected * m.fcc, 1e-3);
  } else {
    EXPECT_NEAR(steelStress(m, c.strain), c.expected * m.fy, 1e-3);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Laws, StressLawTest,
    testing::Values(LawCase{"unconfined", 0.002f, 1.0}, LawCase{"unconfined", 0.004f, 0.0},
                    LawCase{"unconfined", 0.005f, -1.25}, LawCase{"unconfined", 0.001f, 0.75},
                    LawCase{"confined", 0.0f, 0.0}, LawCase{"steel", 0.002f, 1.0},
                    LawCase{"steel", -0.001f, -0.5}, LawCase{"steel", 0.02f, 1.0},
                    LawCase{"steel", 0.08f, 1.25}, LawCase{"steel", -0.08f, -1.25},
                    LawCase{"steel", 0.2f, 1.25 + 0.12 / 0.24}, LawCase{"steel", 0.0f, 0.0}));

TEST(MaterialLawsTest, ConfinedLawFallsPastItsPeakWithoutCutOff) {
  const Materials m = deriveMaterials(workedSection());
  const double peak = confinedStress(m, static_cast<float>(m.ecc));
  EXPECT_NEAR(peak, m.fcc, 1e-4);
  EXPECT_LT(confinedStress(m, 0.02f), peak);
  EXPECT_GT(confinedStress(m, 0.05f), 0);
}

}  // namespace
}  // namespace mphi
