// Stress-strain laws of the section's three materials, in MPa, compression
// positive: tie-confined core concrete, unconfined cover concrete, and
// main-bar steel with strain hardening; and the material constants behind
// them. Both models share them: the specified model holds some constants
// in single precision, the assessment model holds all in double.
#pragma once

#include <cmath>

#include "curve/analysis_request.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

// `Single` is the type of the constants the specified model holds in
// single precision: float there, double in the assessment model.
template <typename Single>
struct BasicMaterials {
  // Unconfined concrete and main bars, MPa.
  Single fc1 = 0;  // concrete strength
  Single fy = 0;   // bar yield strength
  Single Es = 0;   // bar modulus
  Single ey = 0;   // yield strain
  Single esh = 0;  // start of strain hardening, 10 ey
  Single e40 = 0;  // bar failure strain, 40 ey
  Single Esh = 0;  // hardening modulus: 1.25 fy is reached at 40 ey

  // Confinement by the ties, lengths in metres.
  Single bc = 0, hc = 0;  // core width and depth
  Single ds = 0;          // diameter of the circle of the core's area
  Single rhocc = 0;       // main steel over core area
  double tieFactor = 0;   // 1 - s / (2 ds)
  Single ke = 0;          // confinement effectiveness
  double rhos = 0;        // tie volume over core volume
  Single fl = 0;          // effective lateral confining stress, MPa

  // Confined concrete.
  double fcc = 0;   // confined strength, MPa
  double ecc = 0;   // strain at the confined peak
  double Ec = 0;    // tangent modulus, from fcc
  Single Esec = 0;  // secant modulus at the peak
  Single rcc = 0;   // shape exponent
};

using Materials = BasicMaterials<float>;

// The specified model's constants: the main steel from the bar counts.
Materials deriveMaterials(const SectionData& section);
// The constants for a given total main steel area (m2), each held in
// `Single` where the specified model holds it in single precision.
template <typename Single>
BasicMaterials<Single> deriveMaterials(const SectionData& section, double steelArea);
// The confined concrete's law (fcc, ecc, Ec, Esec, rcc) from the
// unconfined strength fc1 and the confining stress fl of `m`.
template <typename Single>
void deriveConfinedLaw(BasicMaterials<Single>& m);

// The transverse steel of the ties with `legs` legs in each direction,
// over the core to the tie centre line: rhoB = legs_b Atie / (s hc) along
// b, rhoH = legs_h Atie / (s bc) along h, Atie = pi dbcm^2 / 4.
struct TieRatios {
  double rhoB = 0, rhoH = 0;
  double rhoS() const { return rhoB + rhoH; }
};
TieRatios tieRatios(const SectionData& section, const TieLegs& legs);

constexpr float kPeakStrain = 0.002f;  // unconfined concrete peak strain

// The laws, worked in double from the constants given.
inline double confinedLaw(double fcc, double ecc, double rcc, double strain) {
  const double x = strain / ecc;
  return fcc * x * rcc / (std::pow(x, rcc) + rcc - 1.0);
}

// A parabola peaking at fc1 at 0.002, through zero at 0 and 0.004.
inline double unconfinedLaw(double fc1, double strain) {
  const double x = strain / static_cast<double>(kPeakStrain);
  return fc1 * (2.0 * x - x * x);
}

// The same law in tension and compression; no upper limit.
inline double steelLaw(double Es, double fy, double ey, double esh, double Esh, double strain) {
  const double magnitude = std::fabs(strain);
  const double sign = strain / magnitude;
  double stress = Es * strain;
  if (magnitude >= ey) stress = sign * fy;
  if (magnitude >= esh) stress = sign * (fy + Esh * (magnitude - esh));
  return stress;
}

inline double confinedStress(const Materials& m, float strain) {
  return confinedLaw(m.fcc, m.ecc, m.rcc, strain);
}
// The cover's stress is held in single precision.
inline float unconfinedStress(const Materials& m, float strain) {
  return static_cast<float>(unconfinedLaw(m.fc1, strain));
}
inline double steelStress(const Materials& m, float strain) {
  return steelLaw(m.Es, m.fy, m.ey, m.esh, m.Esh, strain);
}

// Formulas are worked in double; a quantity held in single precision is
// rounded once, where it is stored.
inline float toSingle(double x) {
  return static_cast<float>(x);
}

}  // namespace mphi
