// The section as the assessment model sees it, in N, mm and MPa, all in
// double precision: the specified model's material constants worked out
// again in double, the core's ultimate strain, and the main bars at their
// real positions.
#pragma once

#include <optional>
#include <vector>

#include "curve/analysis_request.h"
#include "curve/curve.h"
#include "section/fault.h"
#include "section/section_data.h"

namespace mphi {

struct AssessmentMaterials {
  Confinement confinement = Confinement::EquivalentCircle;
  double fc1 = 0;                   // unconfined strength
  double fy = 0, Es = 0, ey = 0;    // main bars
  double esh = 0, Esh = 0;          // start and modulus of strain hardening
  double esu = 0, fu = 0;           // bar failure strain 40 ey and the stress there, 1.25 fy
  double fyh = 0;                   // tie yield strength
  double ds = 0, rhocc = 0;         // equivalent core circle (m) and main steel over its area
  double ke = 0, rhos = 0, fl = 0;  // confinement: effectiveness, ties' volume ratio, stress
  double fcc = 0, ecc = 0, Ec = 0, Esec = 0, rcc = 0;
  double ecu = 0;  // ultimate strain of the core (Priestley, Seible and Calvi)
};

struct BarLayer {
  double depth = 0;  // below the compression face, mm
  double area = 0;   // mm2
  int bars = 0;      // whole bars, for explicit bars; 0 where the steel is spread
};

struct AssessmentSection {
  bool circular = false;  // a circle of diameter h (= b), its core a circle h - 2 cover across
  double b = 0, h = 0;    // mm
  double area = 0;        // gross, mm2
  double cover = 0;       // faces to the tie centre line, which bounds the core, mm
  double coreWidth = 0;
  double inset = 0;      // faces to the centres of the outer bars, mm
  double P = 0;          // axial load, N, compression positive
  double tolerance = 0;  // accepted mismatch of axial force, N
  AssessmentMaterials m;
  std::vector<BarLayer> layers;  // from the compression face down
};

// The first fault of the request's bars, naming the field: counts on the
// faces (rectangular) that are not whole numbers from 2 (a face) or 0 (a
// side) to 1000; a circle's bars (circular) that are missing or not a
// whole number from 4 to 1000; the one where the shape takes the other.
std::optional<Fault> checkBarCounts(const Analysis& analysis);

// Bars that do not fit the section or their circle, a circle whose h is
// not its b, bars whose area leaves no core, or real ties that give no
// confined law; the section data must have passed the data check.
std::optional<Fault> checkBarsFit(const SectionData& section, const Analysis& analysis);

// Both.
std::optional<Fault> checkAssessment(const SectionData& section, const Analysis& analysis);

// The section data (checked, after the layout) as the request shapes it.
// Rectangular: without explicit bars the steel b h r is spread as the
// specified layout spreads it, about the real bar centres, and the ties
// confine as one hoop round the core's equivalent circle; with them,
// Mander's rectangular confinement of the real ties and bars. Circular:
// its bars round their circle, Mander's circular confinement by a spiral
// or hoops.
AssessmentSection assessmentSection(const SectionData& section, const Analysis& analysis);

// The rectangular request of explicit bars (or none) and tie legs.
inline Analysis rectangular(const std::optional<BarCounts>& bars, const TieLegs& legs = {}) {
  Analysis a;
  a.bars = bars;
  a.legs = legs;
  return a;
}

}  // namespace mphi
