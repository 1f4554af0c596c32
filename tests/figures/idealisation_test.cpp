#include "figures/idealisation.h"

#include <gtest/gtest.h>

#include "figures/drift.h"

namespace mphi {
namespace {

// Curves small enough to work by hand: (phi, M, eps, c, row). Tension
// strains are (10 - c) phi: c = 10 - strain / phi.
Curve curveOf(std::vector<CurvePoint> points, double My, double Ky, int peak) {
  Curve c;
  c.points = std::move(points);
  c.tensionDepth = 10;
  c.keys.firstYield.exists = My != 0 || Ky != 0;
  c.keys.firstYield.M = My;
  c.keys.firstYield.phi = Ky;
  c.keys.peak.exists = true;
  c.keys.peak.M = c.points[static_cast<std::size_t>(peak)].M;
  c.keys.peak.phi = c.points[static_cast<std::size_t>(peak)].phi;
  return c;
}

std::vector<CurvePoint> bilinear() {
  return {{0, 0, 0, 0, 1},
          {0.5, 50, 0.001, 10, 2},
          {1, 100, 0.002, 10, 3},
          {2, 100, 0.003, 10, 4},
          {3, 100, 0.0035, 10, 5}};
}

// An exactly bilinear curve is its own idealisation either way: A =
// 100/2 + 200 gives Mp = 100 (3 - sqrt(9 - 5)) = 100 at phi 1, mu 3.
TEST(IdealisationTest, ExactlyBilinearCurveIsItsOwnIdealisation) {
  const Caltrans c = caltransIdealisation(curveOf(bilinear(), 100, 1, 2));
  ASSERT_EQ(c.state, CaltransState::Done);
  EXPECT_DOUBLE_EQ(c.area, 250);
  EXPECT_DOUBLE_EQ(c.Mp, 100);
  EXPECT_DOUBLE_EQ(c.phiYi, 1);
  EXPECT_DOUBLE_EQ(c.muPhi, 3);
  const Priestley p = priestleyIdealisation(curveOf(bilinear(), 100, 1, 2));
  EXPECT_EQ(p.limit, NominalLimit::Peak);
  EXPECT_EQ(p.Mn, 100);
  EXPECT_EQ(p.phiY, 1);
  EXPECT_EQ(p.muPhi, 3);
}

TEST(IdealisationTest, CaltransSaysWhenItCannot) {
  const std::vector<CurvePoint> points = {{0, 0, 0, 0, 1}, {1, 100, 0, 0, 2}, {3, 100, 0, 0, 3}};
  EXPECT_EQ(caltransIdealisation(curveOf(points, 0, 0, 1)).state, CaltransState::NoYield);
  // A stiffness of 10 cannot enclose the area 205 before curvature 3.
  EXPECT_EQ(caltransIdealisation(curveOf(points, 10, 1, 1)).state, CaltransState::NoRealRoot);
}

struct NominalCase {
  const char* name;
  double eBefore, tensionBefore, eAt, tensionAt;  // rows 3 and 4
  NominalLimit limit;
  double Mn;  // moments 80 at row 3, 100 at row 4
};

void PrintTo(const NominalCase& c, std::ostream* os) {
  *os << c.name;
}

class NominalMomentTest : public testing::TestWithParam<NominalCase> {};

// Mn interpolates on the strain that reaches its limit first.
TEST_P(NominalMomentTest, InterpolatesOnTheFirstLimit) {
  const NominalCase& c = GetParam();
  auto at = [](double k, double m, double e, double tension, int row) {
    return CurvePoint{k, m, e, 10 - tension / k, row};
  };
  const std::vector<CurvePoint> points = {{0, 0, 0, 0, 1},
                                          at(1, 50, 0.001, 0.002, 2),
                                          at(2, 80, c.eBefore, c.tensionBefore, 3),
                                          at(4, 100, c.eAt, c.tensionAt, 4),
                                          at(5, 90, 0.01, 0.03, 5)};
  const Priestley p = priestleyIdealisation(curveOf(points, 60, 1, 3));
  EXPECT_EQ(p.limit, c.limit);
  // The limits are floats: 0.004f, 0.015f.
  EXPECT_NEAR(p.Mn, c.Mn, 1e-5);
  EXPECT_NEAR(p.phiY, std::max(c.Mn / 60, 1.0), 1e-6);
  EXPECT_NEAR(p.muPhi, 5 / p.phiY, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, NominalMomentTest,
    testing::Values(
        NominalCase{"ConcreteHalfway", 0.003, 0.010, 0.005, 0.012, NominalLimit::Concrete, 90},
        NominalCase{"SteelFirst", 0.003, 0.0125, 0.005, 0.0225, NominalLimit::Steel, 85},
        NominalCase{"SteelExactlyAtRow", 0.002, 0.010, 0.0035, 0.015, NominalLimit::Steel, 100}),
    [](const testing::TestParamInfo<NominalCase>& info) { return info.param.name; });

TEST(IdealisationTest, FirstRowPastALimitGivesItsMoment) {
  const std::vector<CurvePoint> points = {
      {0, 0, 0, 0, 1}, {1, 40, 0.0045, 5, 2}, {2, 50, 0.005, 5, 3}};
  const Priestley p = priestleyIdealisation(curveOf(points, 45, 1, 2));
  EXPECT_EQ(p.limit, NominalLimit::Concrete);
  EXPECT_EQ(p.Mn, 40);
  EXPECT_EQ(p.phiY, 1);  // never below Ky
}

// Hand-worked cantilevers, fye = 500 MPa, db 2 cm: Lsp = 0.022 500 20 mm
// = 22 cm; k = 0.2 (fu/fy - 1) capped at 0.08; Lp = k L + Lsp, at least
// 2 Lsp; delta_y = 1e-4 (100 + 22)^2 / 3, delta_u adds 2e-4 Lp 100;
// V = (1100 - 50 delta_u) / 100.
TEST(DriftTest, HandWorkedCantilevers) {
  const std::vector<CurvePoint> points = {
      {0, 0, 0, 0, 1}, {1e-4, 1000, 0, 0, 2}, {3e-4, 1100, 0, 0, 3}};
  const double deltaY = 1e-4 * 122 * 122 / 3;
  const struct {
    double fuOverFy, k, L, Lp;
  } cases[] = {{1.25, 0.05, 100, 44}, {1.5, 0.08, 1000, 102}, {1.6, 0.08, 1000, 102}};
  for (const auto& c : cases) {
    const Drift d = columnDrift(cantilever(c.L, 500 * 0.0102f, 2, c.fuOverFy, 50, 1e-4), points);
    const double arm = c.L + 22;
    const double dY = 1e-4 * arm * arm / 3, dU = dY + 2e-4 * c.Lp * c.L;
    EXPECT_NEAR(d.column.Lsp, 22, 1e-5);
    EXPECT_NEAR(d.column.k, c.k, 1e-12) << c.fuOverFy;
    EXPECT_NEAR(d.column.Lp, c.Lp, 1e-5) << c.fuOverFy;
    EXPECT_NEAR(d.deltaY, dY, 1e-7 * dY);  // 0.022 is a float
    EXPECT_NEAR(d.deltaU, dU, 1e-6);
    EXPECT_NEAR(d.muDelta, dU / dY, 1e-5);
    EXPECT_NEAR(d.driftU, dU / c.L, 1e-8);
    EXPECT_NEAR(d.Vu, (1100 - 50 * dU) / c.L, 1e-6);
  }
  const Drift d = columnDrift(cantilever(100, 500 * 0.0102f, 2, 1.25, 50, 1e-4), points);
  EXPECT_NEAR(d.deltaY, deltaY, 1e-7 * deltaY);
  ASSERT_EQ(d.curve.size(), 3u);
  EXPECT_NEAR(d.curve[1].delta, d.deltaY, 1e-12);
}

}  // namespace
}  // namespace mphi

namespace mphi {
namespace {

// Where (M - P0 delta) / L falls back to zero after rising, interpolated;
// none while it stays positive or never rises.
TEST(StabilityDriftTest, WhereTheLateralForceFallsToZero) {
  const struct {
    const char* what;
    std::vector<DriftPoint> curve;  // delta cm, V T
    std::optional<double> drift;    // L = 100 cm
  } cases[] = {
      {"stays positive", {{0, 0}, {1, 5}, {2, 3}, {4, 0.5}}, std::nullopt},
      {"crosses", {{0, 0}, {1, 5}, {2, 3}, {4, -1}}, 0.035},
      {"reaches zero", {{0, 0}, {1, 5}, {3, 0}, {4, -1}}, 0.03},
      {"never rises", {{0, 0}, {1, -1}, {2, -2}}, std::nullopt},
      {"rises late", {{0, 0}, {1, -1}, {2, 4}, {6, -4}}, 0.04},
  };
  for (const auto& c : cases) {
    const std::optional<double> got = stabilityDrift(c.curve, 100);
    ASSERT_EQ(got.has_value(), c.drift.has_value()) << c.what;
    EXPECT_NEAR(got.value_or(0), c.drift.value_or(0), 1e-12) << c.what;
  }
}

}  // namespace
}  // namespace mphi
