#include "curve/material_laws.h"

namespace mphi {
namespace {

// Two more roundings of pi besides the one for bar areas, each where the
// formulas have always used it.
constexpr float kPiCircle = 3.14159f;  // equivalent circle of the core
constexpr float kQuarterPi = 0.7854f;  // pi / 4 in the steel ratios

}  // namespace

// Every formula is worked in double and stored in the precision of its
// quantity; the literals are floats.
template <typename Single>
BasicMaterials<Single> deriveMaterials(const SectionData& s, double steelArea) {
  BasicMaterials<Single> m;
  m.fc1 = Single(s.fc / static_cast<double>(kTonPerCm2InMPa));
  m.fy = Single(s.fy / static_cast<double>(kTonPerCm2InMPa));
  m.Es = Single(s.Es / static_cast<double>(kTonPerCm2InMPa));
  m.ey = Single(static_cast<double>(m.fy) / m.Es);
  m.esh = Single(10.0f * static_cast<double>(m.ey));
  m.e40 = Single(40.0f * static_cast<double>(m.ey));
  m.Esh = Single(0.25f * static_cast<double>(m.fy) / (static_cast<double>(m.e40) - m.esh));

  const Single b = Single(s.b / static_cast<double>(kCmPerM));
  const Single h = Single(s.h / static_cast<double>(kCmPerM));
  const Single cover = Single(s.clearb1cm / static_cast<double>(kCmPerM));
  const Single dbcm = Single(s.dbcm / static_cast<double>(kCmPerM));
  const Single spacing = Single(s.sccm / static_cast<double>(kCmPerM));

  m.bc = Single(b - 2.0f * static_cast<double>(cover));
  m.hc = Single(h - 2.0f * static_cast<double>(cover));
  m.ds = Single(std::sqrt(4.0f * static_cast<double>(m.hc) * m.bc / kPiCircle));
  m.rhocc = Single(steelArea / (static_cast<double>(m.ds) * m.ds * kQuarterPi));
  m.tieFactor = 1.0 - spacing / (2.0f * static_cast<double>(m.ds));
  m.ke = Single(m.tieFactor * m.tieFactor / (1.0 - m.rhocc));
  m.rhos = (static_cast<double>(dbcm) * dbcm * kQuarterPi) *
           (static_cast<double>(m.ds) * kPiAreas) /
           ((static_cast<double>(m.ds) * kQuarterPi * m.ds) * spacing);
  m.fl = Single(static_cast<double>(m.ke) * 0.5f * m.rhos * s.fsy / kTonPerCm2InMPa);
  deriveConfinedLaw(m);
  return m;
}

template <typename Single>
void deriveConfinedLaw(BasicMaterials<Single>& m) {
  const double fl = m.fl;
  m.fcc = m.fc1 * (2.254f * std::sqrt(1.0 + 7.94f * fl / m.fc1) - 1.254f - 2.0f * fl / m.fc1);
  m.ecc = kPeakStrain * (1.0 + 5.0f * (m.fcc / m.fc1 - 1.0));
  m.Ec = 5000.0f * std::sqrt(m.fcc);
  m.Esec = Single(m.fcc / m.ecc);
  m.rcc = Single(m.Ec / (m.Ec - m.Esec));
}

template BasicMaterials<float> deriveMaterials<float>(const SectionData&, double);
template BasicMaterials<double> deriveMaterials<double>(const SectionData&, double);
template void deriveConfinedLaw<double>(BasicMaterials<double>&);

TieRatios tieRatios(const SectionData& s, const TieLegs& legs) {
  const double tie = kPi * s.dbcm * s.dbcm / 4;  // cm2
  const double core = 2 * static_cast<double>(s.clearb1cm);
  const double bc = s.b - core, hc = s.h - core;
  return {legs.b * tie / (s.sccm * hc), legs.h * tie / (s.sccm * bc)};
}

Materials deriveMaterials(const SectionData& s) {
  // Both halves of the depth carry layers 1 to 4.
  const float dcm = toSingle(s.dcm / static_cast<double>(kCmPerM));
  const float Ab = toSingle(static_cast<double>(dcm) * dcm * kPiAreas / 4.0f);
  const double bars = static_cast<double>(s.num1) + s.num2 + s.num3 + s.num4;
  return deriveMaterials<float>(s, 2.0f * static_cast<double>(Ab) * bars);
}

}  // namespace mphi
