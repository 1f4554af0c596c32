// Stress-strain laws of the section's three materials, in MPa, compression
// positive: tie-confined core concrete, unconfined cover concrete, and
// main-bar steel with strain hardening.
#pragma once

#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

struct Materials {
  // Unconfined concrete and main bars, MPa.
  float fc1 = 0;  // concrete strength
  float fy = 0;   // bar yield strength
  float Es = 0;   // bar modulus
  float ey = 0;   // yield strain
  float esh = 0;  // start of strain hardening, 10 ey
  float e40 = 0;  // bar failure strain, 40 ey
  float Esh = 0;  // hardening modulus: 1.25 fy is reached at 40 ey

  // Confinement by the ties, lengths in metres.
  float bc = 0, hc = 0;  // core width and depth
  float ds = 0;          // diameter of the circle of the core's area
  float rhocc = 0;       // main steel over core area
  double tieFactor = 0;  // 1 - s / (2 ds)
  float ke = 0;          // confinement effectiveness
  double rhos = 0;       // tie volume over core volume
  float fl = 0;          // effective lateral confining stress, MPa

  // Confined concrete.
  double fcc = 0;  // confined strength, MPa
  double ecc = 0;  // strain at the confined peak
  double Ec = 0;   // tangent modulus, from fcc
  float Esec = 0;  // secant modulus at the peak
  float rcc = 0;   // shape exponent
};

Materials deriveMaterials(const SectionData& section);

double confinedStress(const Materials& m, float strain);
float unconfinedStress(const Materials& m, float strain);
// The same law in tension and compression; no upper limit.
double steelStress(const Materials& m, float strain);

// Formulas are worked in double; a quantity held in single precision is
// rounded once, where it is stored.
inline float toSingle(double x) {
  return static_cast<float>(x);
}

}  // namespace mphi
