// Circular columns: the worked column of 60 cm with 12 bars and a spiral,
// its forces against fine strips, its strength against the ACI stress
// block, and what a circular section refuses.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/section_check.h"
#include "assessment/assessment_model.h"
#include "assessment/section_forces.h"
#include "figures/curve_figures.h"
#include "figures/limit_states.h"
#include "model/section_result.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

// D = 60 cm, 12 bars of 2.5 cm, 4 cm to the spiral's centre line, a
// spiral of 1.3 cm at 8 cm; fc 0.35, fy = fsy = 4.2, Es 2040 T/cm2.
SectionData circle60(float P0 = 150) {
  SectionData s = bridgeSection(P0);
  EXPECT_FALSE(prepareSection(s));
  return s;
}

Analysis circular(double L = 300, Transverse transverse = Transverse::Spiral) {
  return bridgeColumn(L, transverse);
}

void expectRelative(double got, double want, double tolerance, const char* what) {
  EXPECT_NEAR(got, want, tolerance * std::fabs(want)) << what;
}

// The closed-form figures, then the reference curve's, to the digits given.
TEST(CircularTest, WorkedColumn) {
  const SectionData s = circle60();
  const AssessmentSection a = assessmentSection(s, circular());
  expectRelative(a.m.fc1, 34.3137, 1e-5, "f'c");
  expectRelative(a.m.fyh, 411.765, 1e-5, "fyh");
  expectRelative(a.m.rhos, 0.0127627, 1e-5, "rho_s");
  expectRelative(a.m.rhocc, 0.0277367, 1e-5, "rho_cc");
  expectRelative(a.m.ke, 0.962267, 1e-5, "ke");
  expectRelative(a.m.fl, 2.52847, 1e-5, "fl");
  expectRelative(a.m.fcc, 49.2884, 1e-5, "fcc");
  expectRelative(a.m.ecu, 0.0162929, 1e-5, "ecu");

  const SectionResult r = analyse(s, circular());
  const Curve& c = r.curve;
  EXPECT_EQ(c.end, CurveEnd::CoreCrushing);
  expectRelative(c.points.front().eps, 0.000136507, 1e-5, "eps0");
  const KeyPoints& k = c.keys;
  EXPECT_EQ(k.firstYield.governed, "steel ey");
  expectRelative(k.firstYield.eps, 0.00165527, 1e-5, "first yield");
  expectRelative(k.firstYield.phi, 6.86525e-5, 1e-5, "Ky");
  expectRelative(k.firstYield.M, 6219.73, 1e-5, "My");
  expectRelative(k.serviceability.M, 7585.55, 1e-5, "Mn");
  expectRelative(k.peak.M, 7619.42, 1e-5, "peak");
  EXPECT_NEAR(k.peak.eps, 0.0037778, 1e-3 * 0.0037778);  // a flat top
  expectRelative(k.damageControl.eps, 0.0207614, 1e-5, "damage control");
  expectRelative(k.damageControl.phi, 1.11713e-3, 1e-5, "its curvature");
  expectRelative(k.damageControl.M, 7454.65, 1e-5, "its moment");
  const LimitStateFigures& f = r.limitStates;
  expectRelative(f.idealisation.phiY, 8.37281e-5, 1e-5, "phi_y");
  expectRelative(f.idealisation.muPhiDc, 13.342, 1e-4, "mu_phi");
  const DriftCapacity& cap = f.capacity;
  ASSERT_TRUE(cap.strength && cap.flexure && cap.drift);
  expectRelative(cap.strength->Vn0, 80.643, 1e-5, "Vn0");
  expectRelative(cap.strength->Vp, 25.3823, 1e-5, "Vp");
  expectRelative(cap.strength->ratio, 0.31475, 1e-4, "Vp/Vn0");
  EXPECT_EQ(cap.strength->shearClass, ShearClass::Flexure);
  expectRelative(*cap.flexure, 0.0564917, 1e-5, "flexure");
  expectRelative(*cap.barBuckling, 0.0545515, 1e-5, "bar buckling");
  EXPECT_FALSE(cap.shear);  // Elwood and Moehle's is for rectangles
  EXPECT_EQ(cap.governing, FailureMode::BarBuckling);
  EXPECT_EQ(*cap.drift, *cap.barBuckling);
}

// Hoops lose the arch between them twice over.
TEST(CircularTest, HoopsConfineLess) {
  const SectionData s = circle60();
  const double spiral = assessmentSection(s, circular()).m.ke;
  const double hoops = assessmentSection(s, circular(300, Transverse::Hoops)).m.ke;
  expectRelative(hoops, spiral * (1 - 6.7 / 104), 1e-9, "ke of hoops");
}

// The first bar at the compression face, then pairs round the circle:
// five bars lie at three depths, the lone one on top.
TEST(CircularTest, BarsFromTheCompressionFace) {
  Analysis five = circular();
  five.circleBars = 5;
  const AssessmentSection a = assessmentSection(circle60(), five);
  const double radius = 300 - a.inset;
  ASSERT_EQ(a.layers.size(), 3u);
  const double bars[] = {1, 2, 2}, angles[] = {0, 2 * M_PI / 5, 4 * M_PI / 5};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(a.layers[i].bars, bars[i]) << i;
    EXPECT_NEAR(a.layers[i].depth, 300 - radius * std::cos(angles[i]), 1e-9) << i;
  }
}

// Gauss-Legendre in the angle against 10^5 strips, to 1e-6 of fc Ag,
// wherever the neutral axis and the spalling depth lie.
TEST(CircularTest, ForcesAgreeWithFineStrips) {
  AssessmentSection a = assessmentSection(circle60(), circular());
  a.layers.clear();  // concrete alone
  const double scale = a.m.fc1 * a.area;
  const struct {
    double eps, phi;  // 1/mm
  } profiles[] = {{0.001, 1e-6}, {0.003, 1e-5}, {0.006, 3e-5}, {0.02, 1e-4},
                  {0.0045, 0},   {0.002, 0},    {0.05, 2e-4},  {0.004, 4e-6}};
  for (const auto& p : profiles) {
    const ProfileForces exact = sectionForces(a, p.eps, p.phi);
    const ProfileForces strips = concreteByStrips(a, p.eps, p.phi, 100000);
    EXPECT_NEAR(exact.N, strips.N, 1e-6 * scale) << p.eps << ", " << p.phi;
    EXPECT_NEAR(exact.M, strips.M, 1e-6 * scale * a.h) << p.eps << ", " << p.phi;
  }
}

// At P0 = 0, the moment at a fibre strain of 0.003 against an independent
// strain-compatibility sum: the ACI stress block (0.85 f'c over beta1 c)
// on the circular segment, elastic-plastic bars (5355 against 5272 T.cm).
TEST(CircularTest, StrengthAgainstTheAciStressBlock) {
  const SectionData s = circle60(0);
  const double D = 600, fc = 0.35f / 0.0102f, fy = 4.2f / 0.0102f, Es = 2040 / 0.0102f;
  const double beta1 = std::max(0.65, 0.85 - 0.05 * (fc - 28) / 7);
  const double ring = D / 2 - (40 + 6.5 + 12.5), bar = 3.1416 * 25 * 25 / 4;
  auto forces = [&](double c, double& M) {  // N and N.mm about the centre
    const double a = std::min(beta1 * c, D), R = D / 2;
    const double t = std::acos((R - a) / R);  // the segment's half angle
    const double area = R * R * (t - std::sin(t) * std::cos(t));
    const double arm = 2 * R * std::pow(std::sin(t), 3) / (3 * (t - std::sin(t) * std::cos(t)));
    double N = 0.85 * fc * area;
    M = N * arm;
    for (int i = 0; i < 12; ++i) {
      const double depth = R - ring * std::cos(2 * M_PI * i / 12);
      const double strain = 0.003 * (c - depth) / c;
      const double stress = std::clamp(Es * strain, -fy, fy) -
                            (depth < a && strain > 0 ? 0.85 * fc : 0);  // displaced concrete
      N += bar * stress;
      M += bar * stress * (R - depth);
    }
    return N;
  };
  double low = 1, high = D, M = 0;
  for (int i = 0; i < 200; ++i) {
    const double c = (low + high) / 2;
    (forces(c, M) > 0 ? high : low) = c;
  }
  forces(low, M);
  const double Mn = M * 1.02e-5;  // T.cm
  const Curve curve = assessmentCurve(s, circular());
  double atThree = 0;
  for (std::size_t i = 1; i < curve.points.size(); ++i) {
    const CurvePoint &p = curve.points[i - 1], &q = curve.points[i];
    if (p.eps <= 0.003 && q.eps >= 0.003)
      atThree = p.M + (q.M - p.M) * (0.003 - p.eps) / (q.eps - p.eps);
  }
  EXPECT_NEAR(atThree, Mn, 0.08 * Mn);
}

// The pure compression the tools close the P-M diagram to is the hand
// value of the circle; the model itself carries more, its core confined.
TEST(CircularTest, PureCompression) {
  const SectionData s = circle60();
  const Curve c = assessmentCurve(s, circular());
  const double As = 12 * 3.1416f * 2.5f * 2.5f / 4, Ag = M_PI * 60 * 60 / 4;
  const double Po = 0.85 * 0.35f * (Ag - As) + As * 4.2f;  // T
  expectRelative(squashLoad(s, c), Po, 1e-8, "Po");
  EXPECT_EQ(
      assessmentCurve(circle60(static_cast<float>(Po)), circular()).end == CurveEnd::NoEquilibrium,
      false);
  EXPECT_EQ(assessmentCurve(circle60(static_cast<float>(2 * Po)), circular()).end,
            CurveEnd::NoEquilibrium);
}

// One line naming the field for what a circular section cannot take.
TEST(CircularTest, Refusals) {
  const struct {
    const char* what;
    void (*change)(SectionData&, Analysis&);
    const char* field;
  } cases[] = {
      {"three bars", [](SectionData&, Analysis& a) { a.circleBars = 3; }, "n_bars"},
      {"half a bar", [](SectionData&, Analysis& a) { a.circleBars = 12.5; }, "n_bars"},
      {"no count", [](SectionData&, Analysis& a) { a.circleBars = 0; }, "n_bars"},
      {"overlapping", [](SectionData&, Analysis& a) { a.circleBars = 61; }, "n_bars"},
      {"face bars",
       [](SectionData&, Analysis& a) {
         a.bars = BarCounts{4, 2};
       },
       "bars_face"},
      {"two sizes", [](SectionData& s, Analysis&) { s.h = 50; }, "h"},
      {"the specified model", [](SectionData&, Analysis& a) { a.model = Model::Specified; },
       "shape"},
  };
  for (const auto& c : cases) {
    SectionData s = circle60();
    Analysis a = circular();
    c.change(s, a);
    const std::optional<Fault> f = checkAnalysis(s, a);
    ASSERT_TRUE(f) << c.what;
    EXPECT_EQ(f->field, c.field) << c.what;
  }
  EXPECT_FALSE(checkAnalysis(circle60(), circular()));
  Analysis touching = circular();  // 60 bars leave 0.02 cm between them
  touching.circleBars = 60;
  EXPECT_FALSE(checkAnalysis(circle60(), touching));
}

}  // namespace
}  // namespace mphi
