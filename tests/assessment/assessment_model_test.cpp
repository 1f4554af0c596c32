#include "assessment/assessment_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/section_check.h"
#include "assessment/section_forces.h"
#include "figures/limit_states.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

// The worked example before the layout, changed by `change`, then checked.
SectionData section(const std::function<void(SectionData&)>& change = {}) {
  SectionData s = workedSection();
  if (change) change(s);
  EXPECT_FALSE(prepareSection(s));
  return s;
}

// The 60 x 60 column with 12 bars of 2.5 cm: 4 on each face, 2 on each side.
SectionData column60() {
  SectionData s;
  s.b = s.h = 60;
  s.dcm = 2.5f, s.clearb1cm = 5, s.dbcm = 1.3f, s.sccm = 10;
  s.fc = 0.28f, s.fy = 4.2f, s.fsy = 2.8f, s.Es = 2040, s.P0 = 201.6f, s.r = 0.0164f;
  EXPECT_FALSE(prepareSection(s));
  return s;
}
const BarCounts kTwelveBars{4, 2};

void expectRelative(double got, double want, double tolerance, const char* what) {
  EXPECT_NEAR(got, want, tolerance * std::fabs(want)) << what;
}

struct CapacityFigures {
  double Vn0, Vp, ratio;  // T
  ShearClass shearClass;
  double flexure, barBuckling, shear;  // drift ratios
  FailureMode governing;
};

// To the digits the worked examples give (the shear-failure drift of the
// explicit bars to its fifth: the reference rounds its last digit the other
// way).
void expectCapacity(const DriftCapacity& c, const CapacityFigures& want) {
  ASSERT_TRUE(c.strength && c.flexure && c.shear && c.drift);
  expectRelative(c.strength->Vn0, want.Vn0, 1e-5, "Vn0");
  expectRelative(c.strength->Vp, want.Vp, 1e-5, "Vp");
  expectRelative(c.strength->ratio, want.ratio, 1e-5, "Vp/Vn0");
  EXPECT_EQ(c.strength->shearClass, want.shearClass);
  expectRelative(*c.flexure, want.flexure, 1e-5, "flexure");
  expectRelative(*c.barBuckling, want.barBuckling, 1e-5, "bar buckling");
  expectRelative(*c.shear, want.shear, 2e-5, "shear");
  EXPECT_EQ(c.governing, want.governing);
  EXPECT_EQ(*c.drift, std::min({*c.flexure, *c.barBuckling, *c.shear}));
}

// Every figure the worked examples give, to 1e-5 (the peak's curvature, on
// a flat top, to 1e-3).
TEST(AssessmentModelTest, WorkedExample) {
  const SectionData s = section();
  const AssessmentSection a = assessmentSection(s, rectangular(std::nullopt));
  expectRelative(a.m.fcc, 30.5973, 1e-5, "fcc");
  expectRelative(a.m.ecc, 0.0068616, 1e-5, "ecc");
  expectRelative(a.m.rcc, 1.19222, 1e-5, "rcc");
  expectRelative(a.m.ecu, 0.0212641, 1e-5, "ecu");
  expectRelative(a.inset, 66, 1e-6, "d' (mm)");

  const Curve c = assessmentCurve(s, std::nullopt);
  expectRelative(c.points.front().eps, 0.000265223, 1e-5, "eps0");
  EXPECT_EQ(c.tableRows, 202);
  EXPECT_EQ(c.end, CurveEnd::CoreCrushing);
  const struct {
    const KeyPoint& k;
    const char* governed;
    double eps, phi, M, phiTolerance;
  } keys[] = {
      {c.keys.firstYield, "extreme fibre 0.002", 0.002, 1.17528e-4, 1692.96, 1e-5},
      {c.keys.tensionSteelYield, "steel ey", 0.0027231, 1.66305e-4, 1994.52, 1e-5},
      {c.keys.serviceability, "cover 0.004", 0.004, 2.44290e-4, 1905.22, 1e-5},
      {c.keys.peak, "", 0.003155, 1.9734e-4, 2029.35, 1e-3},
      {c.keys.damageControl, "core ecu", 0.0304888, 1.84494e-3, 1688.13, 1e-5},
      {c.keys.ultimate, "core ecu", 0.0304888, 1.84494e-3, 1688.13, 1e-5},
  };
  for (const auto& k : keys) {
    ASSERT_TRUE(k.k.exists) << k.governed;
    EXPECT_EQ(k.k.governed, k.governed);
    // The strains are given to 5 digits: within half the last one.
    EXPECT_NEAR(k.k.eps, k.eps, std::max(k.phiTolerance * k.eps, 5e-8)) << k.governed;
    expectRelative(k.k.phi, k.phi, k.phiTolerance, k.governed);
    expectRelative(k.k.M, k.M, 1e-5, k.governed);
    expectRelative(k.k.c, k.k.eps / k.k.phi, 1e-12, "c = eps / phi");
  }
  // Located exactly: the core edge at ecu, the tension bars at ey.
  expectRelative(c.keys.damageControl.epsCore, a.m.ecu, 1e-9, "core edge at ecu");
  expectRelative(c.keys.tensionSteelYield.epsTension, a.m.ey, 1e-9, "tension bars at ey");

  const LimitStateFigures f = limitStateFigures(s, c, withLength(200));
  ASSERT_TRUE(f.idealisation.available);
  expectRelative(f.idealisation.phiY, 1.32263e-4, 1e-5, "phi_y");
  expectRelative(f.idealisation.muPhiU, 13.949, 1e-4, "mu_phi");
  expectRelative(f.deltaY, 2.0801, 1e-4, "delta_y");
  expectRelative(f.ultimate.delta, 13.871, 1e-4, "delta_u");
  expectRelative(f.ultimate.drift, 0.06936, 1e-3, "drift_u");
  expectRelative(f.ultimate.muDelta, 6.669, 1e-4, "mu_delta");
  expectRelative(f.ultimate.V, 1.505, 1e-3, "V_u");
  EXPECT_FALSE(c.keys.strengthLoss.exists);
  EXPECT_EQ(c.constants.confinement, Confinement::EquivalentCircle);
  expectRelative(f.capacity.ties.rhoB, 0.0106186, 1e-5, "rho_b");
  expectRelative(f.capacity.ties.rhoH, 0.00884882, 1e-5, "rho_h");
  expectCapacity(f.capacity, {33.8930, 10.1404, 0.29919, ShearClass::Flexure, 0.0693569, 0.0526777,
                              0.0432130, FailureMode::Shear});
}

// The 60 x 60 column of explicit bars, confined by its real ties.
TEST(AssessmentModelTest, ExplicitBarsWorkedExample) {
  const SectionData s = column60();
  const Curve c = assessmentCurve(s, kTwelveBars);
  const MaterialConstants& m = c.constants;
  EXPECT_EQ(m.confinement, Confinement::Rectangular);
  expectRelative(m.ke, 0.740034, 1e-5, "ke");
  expectRelative(m.rhoS, 0.0106186, 1e-5, "rho_s");
  expectRelative(m.fl, 1.07857, 1e-5, "fl");
  expectRelative(m.fcc, 34.2911, 1e-5, "fcc");
  expectRelative(m.ecu, 0.0138005, 1e-5, "ecu");
  expectRelative(c.keys.peak.M, 9531.58, 1e-5, "peak");
  EXPECT_NEAR(c.keys.peak.eps, 0.00310182, 1e-3 * 0.0031);  // a flat top
  const KeyPoint& dc = c.keys.damageControl;
  EXPECT_EQ(dc.governed, "core ecu");
  expectRelative(dc.eps, 0.0180192, 1e-5, "damage control");
  expectRelative(dc.M, 8467.07, 1e-5, "M at damage control");
  const LimitStateFigures f = limitStateFigures(s, c, withLength(300));
  expectRelative(f.idealisation.muPhiDc, 11.179, 1e-4, "mu_phi");
  expectCapacity(f.capacity, {69.4929, 31.7521, 0.45691, ShearClass::Flexure, 0.0435270, 0.0458950,
                              0.0380290, FailureMode::Shear});
}

// The same column worked by hand from the published forms, in N, mm and
// MPa: Mander's rectangular confinement, ASCE 41's shear strength, Berry
// and Eberhard's and Elwood and Moehle's drifts; to 1e-6, as the data the
// model is given are floats (1.3f cm) and these their decimals.
TEST(AssessmentModelTest, ExplicitBarsByHand) {
  const double b = 600, h = 600, cover = 50, tie = 13, bar = 25, s = 100, L = 3000;
  const double fc = 0.28f / 0.0102f, fyh = 2.8f / 0.0102f, esu = 40 * 4.2 / 2040;
  const double dPrime = cover + tie / 2 + bar / 2, bc = b - 2 * cover, hc = h - 2 * cover;
  const double gap = (b - 2 * dPrime) / 3 - bar;  // 3 gaps a face and a side, 12 in all
  const double As = 12 * 3.1416 * bar * bar / 4, sClear = s - tie;
  const double ke = (1 - 12 * gap * gap / (6 * bc * hc)) * (1 - sClear / (2 * bc)) *
                    (1 - sClear / (2 * hc)) / (1 - As / (bc * hc));
  const double Atie = M_PI * tie * tie / 4, rhoS = 2 * Atie / (s * hc) + 2 * Atie / (s * bc);
  const double fl = 0.5 * ke * rhoS * fyh;
  const double fcc = fc * (2.254 * std::sqrt(1 + 7.94 * fl / fc) - 1.254 - 2 * fl / fc);
  const SectionData d = column60();
  const Curve c = assessmentCurve(d, kTwelveBars);
  expectRelative(c.constants.ke, ke, 1e-6, "ke");
  expectRelative(c.constants.rhoS, rhoS, 1e-6, "rho_s");
  expectRelative(c.constants.fcc, fcc, 1e-6, "fcc");
  expectRelative(c.constants.ecu, 0.004 + 1.4 * rhoS * fyh * esu / fcc, 1e-6, "ecu");
  const double P = 201.6f * 9810, nu = P / (b * h * fc), Ag = b * h, dv = 0.8 * h;
  const double Vn0 = 2 * Atie * fyh * dv / s + 0.5 * std::sqrt(fc) / 4 *
                                                   std::sqrt(1 + P / (0.5 * std::sqrt(fc) * Ag)) *
                                                   0.8 * Ag;
  const double Vp = c.keys.peak.M / 1.02e-5f / L;
  const DriftCapacity cap = limitStateFigures(d, c, withLength(L / 10)).capacity;
  ASSERT_TRUE(cap.strength && cap.shear && cap.barBuckling);
  expectRelative(cap.strength->Vn0 * 9810, Vn0, 1e-6, "Vn0");
  expectRelative(*cap.barBuckling,
                 0.0325 * (1 + 40 * rhoS * fyh / fc * bar / h) * (1 - nu) * (1 + L / (10 * h)),
                 1e-6, "bar buckling");
  expectRelative(
      *cap.shear,
      0.03 + 4 * 2 * Atie / (b * s) - Vp / (b * (h - dPrime)) / (40 * std::sqrt(fc)) - nu / 40,
      1e-6, "shear failure");
}

// One layer of 4 bars at d' and at h - d', two layers of 2 evenly between.
TEST(AssessmentModelTest, ExplicitBarLayout) {
  const AssessmentSection a = assessmentSection(column60(), rectangular(kTwelveBars));
  const double inset = 50 + 6.5 + 12.5, bar = 3.1416f * 25.0f * 25 / 4;  // mm
  ASSERT_EQ(a.layers.size(), 4u);
  const double depths[] = {inset, inset + (600 - 2 * inset) / 3, inset + 2 * (600 - 2 * inset) / 3,
                           600 - inset};
  const int bars[] = {4, 2, 2, 4};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(a.layers[i].depth, depths[i], 1e-4) << i;
    EXPECT_NEAR(a.layers[i].area, bars[i] * bar, 1e-3) << i;
    EXPECT_EQ(a.layers[i].bars, bars[i]);
  }
  // Spread steel keeps the specified layout's shares about the real bar centres.
  const AssessmentSection spread = assessmentSection(column60(), rectangular(std::nullopt));
  ASSERT_EQ(spread.layers.size(), 8u);
  double area = 0;
  for (const BarLayer& l : spread.layers) area += l.area;
  EXPECT_NEAR(area, 0.0164f * 600 * 600, 1e-6 * area);
  EXPECT_NEAR(spread.layers.front().depth, inset, 1e-4);
  EXPECT_NEAR(spread.layers.back().depth, 600 - inset, 1e-4);
}

TEST(AssessmentModelTest, CoverCarriesNothingPastSpallingOrInTension) {
  const AssessmentMaterials m = assessmentSection(section(), rectangular(std::nullopt)).m;
  EXPECT_GT(coverStress(m, 0.0039), 0);
  EXPECT_NEAR(coverStress(m, 0.002), m.fc1, 1e-12 * m.fc1);
  for (double strain : {0.004, 0.0041, 0.01, -0.001})
    EXPECT_EQ(coverStress(m, strain), 0) << strain;
  EXPECT_EQ(coreStress(m, -0.001), 0);
  EXPECT_GT(coreStress(m, 2 * m.ecu), 0);  // the core law has no cut-off of its own
  EXPECT_EQ(barStress(m, 2 * m.esu), m.fu);
  EXPECT_EQ(barStress(m, -2 * m.esu), -m.fu);
}

// Piecewise Gauss against strip sums whose edges meet the core's faces:
// the midpoint sums close in on it with the square of the strip width down
// to the quadrature's own error (3e-7 where the neutral axis cuts the core,
// whose law goes as x^rcc there), whether the neutral axis, the spalling
// depth or the far face lies inside.
TEST(AssessmentModelTest, QuadratureAgreesWithFineStrips) {
  AssessmentSection a = assessmentSection(section(), rectangular(std::nullopt));
  a.layers.clear();  // concrete alone
  const struct {
    double eps, phi;
  } profiles[] = {{0.001, 1e-6}, {0.003, 1e-5}, {0.006, 3e-5}, {0.02, 1e-4}, {0.0045, 0}};
  for (const auto& p : profiles) {
    const ProfileForces exact = sectionForces(a, p.eps, p.phi);
    auto error = [&](int strips) {  // the cover is 1/7 of the depth
      const ProfileForces sum = concreteByStrips(a, p.eps, p.phi, strips);
      return std::fabs(sum.N - exact.N) + std::fabs(sum.M - exact.M) / a.h;
    };
    EXPECT_LT(error(2800), error(280) / 30 + 1e-6) << p.eps;
    const ProfileForces finest = concreteByStrips(a, p.eps, p.phi, 28000);
    EXPECT_NEAR(exact.N, finest.N, 3e-7 * std::fabs(finest.N)) << p.eps;
    EXPECT_NEAR(exact.M, finest.M, 3e-7 * std::fabs(finest.M) + 1) << p.eps;
  }
}

// A neutral axis far below the section: the concrete's force is that of its
// area at the strains inside the section, nothing beyond the far face.
TEST(AssessmentModelTest, NoConcreteBeyondTheFarFace) {
  AssessmentSection a = assessmentSection(section(), rectangular(std::nullopt));
  a.layers.clear();
  const double eps = 0.003, phi = 1e-9;  // neutral axis 3000 m down
  const ProfileForces f = sectionForces(a, eps, phi);
  const double core = a.coreWidth * (a.h - 2 * a.cover), all = a.b * a.h;
  const double uniform = core * coreStress(a.m, eps) + (all - core) * coverStress(a.m, eps);
  EXPECT_NEAR(f.N, uniform, 1e-4 * uniform);
}

// Each end, reached by a section built for it, and where: on the limit
// that ended it. A loss of strength ends nothing: it is a key point, at 0.8
// of the solved peak.
TEST(AssessmentModelTest, EachEndByItsSection) {
  const auto lowSteelHeavyTies = [](float P0) {
    return [P0](SectionData& s) { s.fy = 0.7f, s.sccm = 3, s.fsy = 6, s.dbcm = 1.6f, s.P0 = P0; };
  };
  const auto load = [](float P0) { return [P0](SectionData& s) { s.P0 = P0; }; };
  const struct {
    CurveEnd end;
    const char* governed;
    bool strengthLost;
    std::function<void(SectionData&)> change;
  } cases[] = {
      {CurveEnd::CoreCrushing, "core ecu", false, load(100)},
      {CurveEnd::CoreCrushing, "core ecu", true, load(300)},  // once ended at 0.8 Mu
      {CurveEnd::BarFracture, "tension bars esu", false, lowSteelHeavyTies(100)},
      {CurveEnd::BarFracture, "compression bars esu", false, lowSteelHeavyTies(250)},
      {CurveEnd::AxialCapacity, "axial_capacity", false, load(451)},
      {CurveEnd::NoEquilibrium, "", false, load(500)},
      {CurveEnd::RowCap, "row_cap", false, load(-120)},  // the bars harden under the load alone
  };
  for (const auto& c : cases) {
    const Curve curve = assessmentCurve(section(c.change), std::nullopt);
    EXPECT_EQ(curve.end, c.end) << endName(c.end) << ": got " << endName(curve.end);
    const KeyPoint& u = curve.keys.ultimate;
    EXPECT_EQ(u.exists, c.end != CurveEnd::NoEquilibrium);
    EXPECT_EQ(u.governed, c.governed);
    EXPECT_LE(curve.tableRows, kAssessmentRows);
    const MaterialConstants& m = curve.constants;
    if (c.end == CurveEnd::CoreCrushing) expectRelative(u.epsCore, m.ecu, 1e-8, "core at ecu");
    if (std::string(c.governed) == "tension bars esu") {
      expectRelative(u.epsTension, m.esu, 1e-8, "bars at esu");
    }
    const KeyPoint& lost = curve.keys.strengthLoss;
    EXPECT_EQ(lost.exists, c.strengthLost) << endName(c.end);
    if (lost.exists) {
      expectRelative(lost.M, 0.8 * curve.keys.peak.M, 1e-8, "0.8 of the peak");
      EXPECT_GT(lost.eps, curve.keys.peak.eps);
    }
  }
}

// A tension load's curve starts at its negative uniform strain, on the bars
// alone, and climbs through the grid.
TEST(AssessmentModelTest, TensionLoadClimbsFromItsNegativeUniformStrain) {
  const SectionData s = section([](SectionData& d) { d.P0 = -50; });
  const Curve c = assessmentCurve(s, std::nullopt);
  const double eps0 = c.points.front().eps;
  expectRelative(eps0, -50 * 9810.0 / (2800 * (2100 / 0.0102f)), 1e-6, "eps0 on the bars alone");
  EXPECT_EQ(c.points.front().phi, 0);
  EXPECT_GE(c.points[1].eps, eps0 + 1.25e-5);
  EXPECT_LT(c.points[1].eps, eps0 + 3.75e-5);
  for (std::size_t i = 1; i < c.points.size(); ++i) EXPECT_GT(c.points[i].eps, c.points[i - 1].eps);
  EXPECT_EQ(c.end, CurveEnd::BarFracture);
}

// Closer ties confine the core more: the curvature ductility rises.
TEST(AssessmentModelTest, DuctilityRisesAsTheTiesCloseUp) {
  double previous = 0;
  for (float spacing : {20.0f, 15.0f, 10.0f, 7.5f, 5.0f}) {
    const SectionData s = section([spacing](SectionData& d) { d.sccm = spacing; });
    const LimitStateFigures f = limitStateFigures(s, assessmentCurve(s, std::nullopt), {});
    ASSERT_TRUE(f.idealisation.available) << spacing;
    EXPECT_GT(f.idealisation.muPhiU, previous * 1.05) << "ties at " << spacing << " cm";
    previous = f.idealisation.muPhiU;
  }
}

TEST(AssessmentModelTest, BarsMustBeWholeAndFit) {
  const SectionData s = column60();
  const struct {
    BarCounts bars;
    const char* field;
    const char* reason;
  } cases[] = {{{4.5, 2}, "bars_face", "the number of bars must be a whole number"},
               {{1, 2}, "bars_face", "there must be at least 2 bars on each face"},
               {{4, -1}, "bars_side", "the number of bars must not be negative"},
               {{4, 0.5}, "bars_side", "the number of bars must be a whole number"}};
  for (const auto& c : cases) {
    const std::optional<Fault> f = checkAssessment(s, rectangular(c.bars));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->field, c.field);
    EXPECT_EQ(f->reason, c.reason);
  }
  EXPECT_FALSE(checkAssessment(s, rectangular(kTwelveBars)));
  SectionData thick = s;
  thick.clearb1cm = 29;  // cover, tie and bar meet in the middle
  const std::optional<Fault> f = checkAssessment(thick, rectangular(std::nullopt));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->field, "clearb1cm");
}

}  // namespace
}  // namespace mphi
