// Axial force and moment of the section for the linear strain profile
// eps(d) = eps - phi d (d below the compression face, mm): concrete
// integrated exactly piece by piece, bars at their depths. Units N, mm, MPa;
// compression positive, moments about mid-depth.
#pragma once

#include "assessment/assessment_section.h"

namespace mphi {

struct ProfileForces {
  double N = 0;  // N
  double M = 0;  // N.mm
};

constexpr double kSpallingStrain = 0.004;  // the cover carries nothing from here on

// The laws of the assessment model: the confined core zero in tension; the
// cover's parabola between 0 and the spalling strain and zero elsewhere;
// the bars held at fu past esu.
double coreStress(const AssessmentMaterials& m, double strain);
double coverStress(const AssessmentMaterials& m, double strain);
double barStress(const AssessmentMaterials& m, double strain);

// `phi` in 1/mm, 0 for a uniform strain. The concrete is cut at the core's
// faces, the neutral axis, the spalling depth and the far face: 16-point
// Gauss-Legendre on the core, 2-point Gauss (exact) on the cover.
ProfileForces sectionForces(const AssessmentSection& section, double eps, double phi);

// The concrete alone summed over `strips` strips, each at its middle: a
// check of the quadrature.
ProfileForces concreteByStrips(const AssessmentSection& section, double eps, double phi,
                               int strips);

}  // namespace mphi
