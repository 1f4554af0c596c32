#include "analysis/section_model.h"

#include <gtest/gtest.h>

#include "analysis/curvature_stepping.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

SectionModel workedModel(float P0 = 100) {
  const SectionData s = workedSection(P0);
  return makeSectionModel(s, deriveMaterials(s));
}

TEST(SectionModelTest, GeometryInMillimetres) {
  const SectionModel m = workedModel();
  EXPECT_EQ(m.h, 350.0f);
  EXPECT_EQ(m.dy, 1.75f);
  EXPECT_NEAR(m.yc, 125.0, 1e-4);
  EXPECT_EQ(m.bc, 300.0f);
  EXPECT_NEAR(m.Abar, 283.53, 0.01);
  EXPECT_EQ(m.depth[0], 60.0f);
  EXPECT_NEAR(m.depth[7], 290.0, 1e-4);
  EXPECT_EQ(m.bars[7], m.bars[0]);
  EXPECT_EQ(m.bars[4], m.bars[3]);
}

struct DepthCase {
  double cOverH;
  long minPoints, maxPoints;
};

void PrintTo(const DepthCase& c, std::ostream* os) {
  *os << "c = " << c.cOverH << " h";
}

class StripCountTest : public testing::TestWithParam<DepthCase> {};

TEST_P(StripCountTest, PointsCoverTheCompressionZone) {
  const SectionModel m = workedModel();
  const SectionForces r = evaluateForces(m, 0.002f, GetParam().cOverH * m.h);
  EXPECT_GE(r.points, GetParam().minPoints);
  EXPECT_LE(r.points, GetParam().maxPoints);
}

INSTANTIATE_TEST_SUITE_P(Depths, StripCountTest,
                         testing::Values(DepthCase{1.0, 199, 200}, DepthCase{1.5, 299, 300},
                                         DepthCase{0.5, 99, 100}, DepthCase{0.004, 0, 0}));

TEST(SectionModelTest, ShallowAxisLeavesSteelAlone) {
  const SectionModel m = workedModel();
  const SectionForces r = evaluateForces(m, 0.002f, 1.0);  // c < dy
  EXPECT_EQ(r.points, 0);
  EXPECT_EQ(r.Fc, 0.0);
  EXPECT_EQ(r.Mc, 0.0);
  EXPECT_NE(r.Fs, 0.0);
}

TEST(SectionModelTest, LayerStrainsChangeSignAcrossTheAxis) {
  const SectionModel m = workedModel();
  const SectionForces r = evaluateForces(m, 0.003f, 175.0);
  for (int i = 0; i < kLayers; ++i) {
    EXPECT_EQ(r.strain[i] > 0, m.depth[i] < 175.0f) << "layer " << i + 1;
    EXPECT_EQ(r.stress[i] > 0, r.strain[i] > 0) << "layer " << i + 1;
  }
  // A symmetric profile about mid-depth: the mirrored layers cancel.
  EXPECT_NEAR(r.strain[0], -r.strain[7], 1e-9);
}

TEST(SectionModelTest, HeavyLoadBalancesBelowTheFarFace) {
  const SectionData s = workedSection(400);
  const SectionModel m = makeSectionModel(s, deriveMaterials(s));
  const StepStart start = stepStart(s);
  double c = m.h;
  SectionForces forces;
  EXPECT_EQ(searchDepth(m, start.Ecm, start, 300, c, forces), SearchEnd::Converged);
  EXPECT_NEAR(c, 426.6, 0.1);
  EXPECT_NEAR(forces.points, 243, 1);
}

}  // namespace
}  // namespace mphi
