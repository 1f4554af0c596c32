// What the assessment model's curve says at its limit states: the bilinear
// idealisation of Priestley, Calvi and Kowalsky (2007) with the curvature
// ductility at damage control and at ultimate, and the drift of a
// cantilever there. Units T and cm. A figure that does not exist says why.
#pragma once

#include <string>

#include "curve/curve.h"
#include "figures/capacity.h"
#include "figures/drift.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

struct Idealisation {
  bool available = false;
  std::string reason;     // why not, when not available
  double My = 0, Ky = 0;  // the first-yield point it starts from, T.cm and 1/cm
  double Mn = 0;          // the moment at serviceability
  double phiY = 0;        // Ky Mn / My, no floor
  double muPhiDc = 0;     // phi at damage control over phi_y
  double muPhiU = 0;      // phi at ultimate over phi_y
};

// From `yield` (the first-yield point, or tension steel yield).
Idealisation idealisationFrom(const Curve& curve, const KeyPoint& yield);

struct LimitStateDrift {
  double delta = 0;    // cm
  double drift = 0;    // delta / L
  double muDelta = 0;  // delta / delta_y
  double V = 0;        // T
};

struct LimitStateFigures {
  Idealisation idealisation;  // from first yield
  Idealisation bySteelYield;  // from the tension steel's yield
  double length = 0;          // column length asked for, cm; 0 for none
  bool hasDrift = false;      // a length was given and phi_y exists
  Cantilever column;
  double deltaY = 0;
  LimitStateDrift serviceability, damageControl, ultimate;
  std::vector<DriftPoint> curve;  // one point per curve point
  DriftCapacity capacity;         // the flexural drift at damage control, bar buckling, shear
};

// `section` for the bars' strength, diameter and the load; the request's
// length, shape and ties.
LimitStateFigures limitStateFigures(const SectionData& section, const Curve& curve,
                                    const Analysis& analysis);

// A copy in the units: lengths, displacements, forces, moments and
// curvatures.
LimitStateFigures inUnits(const LimitStateFigures& figures, const Units& units);

}  // namespace mphi
