#include "analysis/section_model.h"

#include <cmath>

namespace mphi {
namespace {

constexpr float kStrips = 200.0f;  // strips over the depth of the section

// Lever arm of layer i (0-based) about mid-depth; a layer below mid-depth
// takes its mirror's arm, and the caller subtracts its moment.
double leverArm(const SectionModel& m, int i) {
  return m.h / 2.0f - static_cast<double>(m.depth[i < 4 ? i : kLayers - 1 - i]);
}

}  // namespace

SectionModel makeSectionModel(const SectionData& s, const Materials& materials) {
  SectionModel m;
  m.materials = materials;
  m.b = toSingle(s.b * static_cast<double>(kMmPerCm));
  m.h = toSingle(s.h * static_cast<double>(kMmPerCm));
  m.dy = toSingle(m.h / static_cast<double>(kStrips));
  const float hMetres = toSingle(s.h / static_cast<double>(kCmPerM));
  const float coverMetres = toSingle(s.clearb1cm / static_cast<double>(kCmPerM));
  m.yc = toSingle((hMetres / 2.0f - static_cast<double>(coverMetres)) * 1000.0f);
  const float cover = toSingle(s.clearb1cm * static_cast<double>(kMmPerCm));
  m.bc = toSingle(m.b - 2.0f * static_cast<double>(cover));
  const double barDiameter = kMmPerCm * static_cast<double>(s.dcm);
  m.Abar = toSingle(barDiameter * barDiameter * kPiAreas / 4.0f);
  const float depths[4] = {s.dt, s.clearh2cm, s.cln3, s.cln4};
  const float counts[4] = {s.num1, s.num2, s.num3, s.num4};
  for (int i = 0; i < 4; ++i) {
    m.depth[i] = toSingle(depths[i] * static_cast<double>(kMmPerCm));
    m.bars[i] = counts[i];
    m.bars[kLayers - 1 - i] = counts[i];
  }
  for (int i = 4; i < kLayers; ++i)
    m.depth[i] = toSingle(m.h - static_cast<double>(m.depth[kLayers - 1 - i]));
  return m;
}

SectionForces evaluateForces(const SectionModel& m, float Ecm, double c) {
  SectionForces r;
  r.phi = Ecm / c;
  const float e0 = toSingle(Ecm - m.h * r.phi / 2.0f);

  // Each point stands for the strip of thickness dy below it, from one dy
  // above the neutral axis upwards; concrete in tension carries nothing.
  // Past the far face (c > h) the points are full-width cover concrete.
  float y = toSingle((m.h / 2.0f - c) + m.dy);
  const double count = std::trunc(((m.h / 2.0f - static_cast<double>(y)) + m.dy) / m.dy);
  // The search keeps c below a few thousand section depths; the cap only
  // keeps the conversion defined.
  constexpr double kMaxPoints = 1e9;
  r.points = count > 0 ? static_cast<long>(std::fmin(count, kMaxPoints)) : 0;
  // Sums in locals: the result's own fields would be stored and reloaded
  // around every call of the laws.
  double Fc = 0, Mc = 0;
  for (long i = 0; i < r.points; ++i) {
    const float strain = toSingle(y * r.phi + e0);
    const float unconfined = unconfinedStress(m.materials, strain);
    double core = 0;
    float cover;
    // The confined law, the costly one, only where the core is.
    if (std::fabs(y) < m.yc) {
      core = static_cast<double>(m.dy) * m.bc * confinedStress(m.materials, strain);
      cover = toSingle((static_cast<double>(m.b) - m.bc) * m.dy * unconfined);
    } else {
      cover = toSingle(static_cast<double>(m.dy) * m.b * unconfined);
    }
    Fc += core + cover;
    Mc += y * core + static_cast<double>(y) * cover;
    y = toSingle(static_cast<double>(y) + m.dy);
  }
  r.Fc = Fc;
  r.Mc = Mc;

  for (int i = 0; i < kLayers; ++i) {
    r.strain[i] = toSingle((c - m.depth[i]) * r.phi);
    const double stress = steelStress(m.materials, r.strain[i]);
    // Layers 1 to 3 keep their stress in double, the others in single.
    r.stress[i] = i < 3 ? stress : toSingle(stress);
    r.Fs += static_cast<double>(m.bars[i]) * m.Abar * r.stress[i];
  }
  return r;
}

double sectionMoment(const SectionModel& m, const SectionForces& r) {
  double steel = 0;
  for (int i = 0; i < 4; ++i) {
    steel += static_cast<double>(m.Abar) * m.bars[i] * r.stress[i] * leverArm(m, i);
  }
  for (int i = 4; i < kLayers; ++i) {
    steel -= leverArm(m, i) * (static_cast<double>(m.Abar) * m.bars[i] * r.stress[i]);
  }
  return steel + r.Mc;
}

}  // namespace mphi
