#include "analysis/material_laws.h"

#include <cmath>

namespace mphi {
namespace {

// Two more roundings of pi besides the one for bar areas, each where the
// formulas have always used it.
constexpr float kPiCircle = 3.14159f;  // equivalent circle of the core
constexpr float kQuarterPi = 0.7854f;  // pi / 4 in the steel ratios

constexpr float kPeakStrain = 0.002f;  // unconfined concrete peak strain

}  // namespace

// Every formula is worked in double and stored in the precision of its
// quantity; the literals are floats.
Materials deriveMaterials(const SectionData& s) {
  Materials m;
  m.fc1 = toSingle(s.fc / static_cast<double>(kTonPerCm2InMPa));
  m.fy = toSingle(s.fy / static_cast<double>(kTonPerCm2InMPa));
  m.Es = toSingle(s.Es / static_cast<double>(kTonPerCm2InMPa));
  m.ey = toSingle(static_cast<double>(m.fy) / m.Es);
  m.esh = toSingle(10.0f * static_cast<double>(m.ey));
  m.e40 = toSingle(40.0f * static_cast<double>(m.ey));
  m.Esh = toSingle(0.25f * static_cast<double>(m.fy) / (static_cast<double>(m.e40) - m.esh));

  const float b = toSingle(s.b / static_cast<double>(kCmPerM));
  const float h = toSingle(s.h / static_cast<double>(kCmPerM));
  const float cover = toSingle(s.clearb1cm / static_cast<double>(kCmPerM));
  const float dcm = toSingle(s.dcm / static_cast<double>(kCmPerM));
  const float dbcm = toSingle(s.dbcm / static_cast<double>(kCmPerM));
  const float spacing = toSingle(s.sccm / static_cast<double>(kCmPerM));

  m.bc = toSingle(b - 2.0f * static_cast<double>(cover));
  m.hc = toSingle(h - 2.0f * static_cast<double>(cover));
  m.ds = toSingle(std::sqrt(4.0f * static_cast<double>(m.hc) * m.bc / kPiCircle));
  const float Ab = toSingle(static_cast<double>(dcm) * dcm * kPiAreas / 4.0f);
  // Both halves of the depth carry layers 1 to 4.
  const double bars = static_cast<double>(s.num1) + s.num2 + s.num3 + s.num4;
  m.rhocc = toSingle(2.0f * static_cast<double>(Ab) * bars /
                     (static_cast<double>(m.ds) * m.ds * kQuarterPi));
  m.tieFactor = 1.0 - spacing / (2.0f * static_cast<double>(m.ds));
  m.ke = toSingle(m.tieFactor * m.tieFactor / (1.0 - m.rhocc));
  m.rhos = (static_cast<double>(dbcm) * dbcm * kQuarterPi) *
           (static_cast<double>(m.ds) * kPiAreas) /
           ((static_cast<double>(m.ds) * kQuarterPi * m.ds) * spacing);
  m.fl = toSingle(static_cast<double>(m.ke) * 0.5f * m.rhos * s.fsy / kTonPerCm2InMPa);

  const double fl = m.fl;
  m.fcc = m.fc1 * (2.254f * std::sqrt(1.0 + 7.94f * fl / m.fc1) - 1.254f - 2.0f * fl / m.fc1);
  m.ecc = kPeakStrain * (1.0 + 5.0f * (m.fcc / m.fc1 - 1.0));
  m.Ec = 5000.0f * std::sqrt(m.fcc);
  m.Esec = toSingle(m.fcc / m.ecc);
  m.rcc = toSingle(m.Ec / (m.Ec - m.Esec));
  return m;
}

double confinedStress(const Materials& m, float strain) {
  const double x = strain / m.ecc;
  return m.fcc * x * m.rcc / (std::pow(x, static_cast<double>(m.rcc)) + m.rcc - 1.0);
}

float unconfinedStress(const Materials& m, float strain) {
  const double x = strain / static_cast<double>(kPeakStrain);
  return toSingle(m.fc1 * (2.0 * x - x * x));
}

double steelStress(const Materials& m, float strain) {
  const double magnitude = std::fabs(static_cast<double>(strain));
  const double sign = strain / magnitude;
  double stress = static_cast<double>(m.Es) * strain;
  if (magnitude >= m.ey) stress = sign * m.fy;
  if (magnitude >= m.esh) stress = sign * (m.fy + static_cast<double>(m.Esh) * (magnitude - m.esh));
  return stress;
}

}  // namespace mphi
