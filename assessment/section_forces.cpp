#include "assessment/section_forces.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "curve/material_laws.h"

namespace mphi {
namespace {

// Gauss-Legendre on [-1, 1]: the positive nodes and their weights.
constexpr double kNodes16[8] = {0.0950125098376374, 0.2816035507792589, 0.4580167776572274,
                                0.6178762444026438, 0.7554044083550030, 0.8656312023878318,
                                0.9445750230732326, 0.9894009349916499};
constexpr double kWeights16[8] = {0.1894506104550685, 0.1826034150449236, 0.1691565193950025,
                                  0.1495959888165767, 0.1246289712555339, 0.0951585116824928,
                                  0.0622535239386479, 0.0271524594117541};
const double kNode2 = 1 / std::sqrt(3.0);

// Adds the force and moment of concrete of `width` between depths d0 and
// d1 under `law`.
template <typename Law>
void addPiece(ProfileForces& f, double d0, double d1, double width, bool core, double eps,
              double phi, double h, Law&& law) {
  if (!(d1 > d0)) return;
  const double mid = (d0 + d1) / 2, half = (d1 - d0) / 2;
  auto add = [&](double x, double weight) {
    const double d = mid + half * x;
    const double force = width * half * weight * law(eps - phi * d);
    f.N += force;
    f.M += force * (h / 2 - d);
  };
  if (core) {
    for (int i = 0; i < 8; ++i) {
      add(-kNodes16[i], kWeights16[i]);
      add(kNodes16[i], kWeights16[i]);
    }
  } else {
    add(-kNode2, 1);
    add(kNode2, 1);
  }
}

}  // namespace

double coreStress(const AssessmentMaterials& m, double strain) {
  return strain > 0 ? confinedLaw(m.fcc, m.ecc, m.rcc, strain) : 0;
}

double coverStress(const AssessmentMaterials& m, double strain) {
  return strain > 0 && strain < kSpallingStrain ? unconfinedLaw(m.fc1, strain) : 0;
}

double barStress(const AssessmentMaterials& m, double strain) {
  // Only the searches ever look past esu: a curve ends where a bar gets there.
  if (std::fabs(strain) > m.esu) return strain > 0 ? m.fu : -m.fu;
  return steelLaw(m.Es, m.fy, m.ey, m.esh, m.Esh, strain);
}

ProfileForces sectionForces(const AssessmentSection& a, double eps, double phi) {
  const AssessmentMaterials& m = a.m;
  const double h = a.h, cover = a.cover;
  const double inf = std::numeric_limits<double>::infinity();
  // Compressed from the face down to the neutral axis (or the far face);
  // the cover spalled down to where the strain falls to 0.004.
  const double axis = phi > 0 ? eps / phi : (eps > 0 ? inf : -inf);
  const double spalled =
      phi > 0 ? (eps - kSpallingStrain) / phi : (eps >= kSpallingStrain ? inf : -inf);
  const double bottom = std::min(axis, h);
  ProfileForces f;
  auto core = [&m](double e) { return coreStress(m, e); };
  auto shell = [&m](double e) { return coverStress(m, e); };
  addPiece(f, cover, std::min(bottom, h - cover), a.coreWidth, true, eps, phi, h, core);
  const double top = std::max(0.0, spalled);
  const struct {
    double d0, d1, width;
  } covers[] = {{0, cover, a.b}, {cover, h - cover, a.b - a.coreWidth}, {h - cover, h, a.b}};
  for (const auto& c : covers) {
    addPiece(f, std::max(c.d0, top), std::min(c.d1, bottom), c.width, false, eps, phi, h, shell);
  }
  for (const BarLayer& l : a.layers) {
    const double force = l.area * barStress(m, eps - phi * l.depth);
    f.N += force;
    f.M += force * (h / 2 - l.depth);
  }
  return f;
}

ProfileForces concreteByStrips(const AssessmentSection& a, double eps, double phi, int strips) {
  ProfileForces f;
  const double dy = a.h / strips;
  for (int i = 0; i < strips; ++i) {
    const double d = (i + 0.5) * dy;
    const double e = eps - phi * d;
    const bool inCore = d > a.cover && d < a.h - a.cover;
    const double force =
        dy * (inCore ? a.coreWidth * coreStress(a.m, e) + (a.b - a.coreWidth) * coverStress(a.m, e)
                     : a.b * coverStress(a.m, e));
    f.N += force;
    f.M += force * (a.h / 2 - d);
  }
  return f;
}

}  // namespace mphi
