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

// Adds the force and moment of the circle of radius R about depth yc, cut
// to the depths [d0, d1], under `law`: Gauss-Legendre in the angle t of
// d = yc - R cos t, where the chord 2 R sin t times dd = R sin t dt is
// smooth, though the chord's ends go as square roots in the depth.
template <typename Law>
void addArc(ProfileForces& f, double d0, double d1, double yc, double R, double eps, double phi,
            double h, Law&& law) {
  d0 = std::max(d0, yc - R);
  d1 = std::min(d1, yc + R);
  if (!(d1 > d0)) return;
  const double t0 = std::acos(std::clamp((yc - d0) / R, -1.0, 1.0));
  const double t1 = std::acos(std::clamp((yc - d1) / R, -1.0, 1.0));
  const double mid = (t0 + t1) / 2, half = (t1 - t0) / 2;
  auto add = [&](double x, double weight) {
    const double t = mid + half * x, d = yc - R * std::cos(t), sine = std::sin(t);
    const double force = half * weight * 2 * R * R * sine * sine * law(eps - phi * d);
    f.N += force;
    f.M += force * (h / 2 - d);
  };
  for (int i = 0; i < 8; ++i) {
    add(-kNodes16[i], kWeights16[i]);
    add(kNodes16[i], kWeights16[i]);
  }
}

// The compressed depths: from the face down to the neutral axis (or the far
// face), the cover spalled down to where the strain falls to 0.004.
struct Compressed {
  double axis, spalled;
};

Compressed compressedOf(double eps, double phi) {
  const double inf = std::numeric_limits<double>::infinity();
  return {phi > 0 ? eps / phi : (eps > 0 ? inf : -inf),
          phi > 0 ? (eps - kSpallingStrain) / phi : (eps >= kSpallingStrain ? inf : -inf)};
}

void addBars(ProfileForces& f, const AssessmentSection& a, double eps, double phi) {
  for (const BarLayer& l : a.layers) {
    const double force = l.area * barStress(a.m, eps - phi * l.depth);
    f.N += force;
    f.M += force * (a.h / 2 - l.depth);
  }
}

// A circle: the cover's law over the whole circle, the core's in place of
// it over the core's circle.
ProfileForces circularForces(const AssessmentSection& a, double eps, double phi) {
  const AssessmentMaterials& m = a.m;
  const double h = a.h, R = h / 2, core = R - a.cover;
  const Compressed c = compressedOf(eps, phi);
  auto shell = [&m](double e) { return coverStress(m, e); };
  auto confined = [&m](double e) { return coreStress(m, e); };
  auto inPlace = [&m](double e) { return coreStress(m, e) - coverStress(m, e); };
  ProfileForces f;
  addArc(f, std::max(0.0, c.spalled), c.axis, R, R, eps, phi, h, shell);
  addArc(f, 0, std::min(c.spalled, c.axis), R, core, eps, phi, h, confined);
  addArc(f, c.spalled, c.axis, R, core, eps, phi, h, inPlace);
  addBars(f, a, eps, phi);
  return f;
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
  if (a.circular) return circularForces(a, eps, phi);
  const AssessmentMaterials& m = a.m;
  const double h = a.h, cover = a.cover;
  const Compressed compressed = compressedOf(eps, phi);
  const double spalled = compressed.spalled;
  const double bottom = std::min(compressed.axis, h);
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
  addBars(f, a, eps, phi);
  return f;
}

ProfileForces concreteByStrips(const AssessmentSection& a, double eps, double phi, int strips) {
  ProfileForces f;
  const double dy = a.h / strips;
  // A circle's chord at depth d; a rectangle's width.
  auto chord = [&a](double radius, double d, double width) {
    const double off = d - a.h / 2;
    return a.circular ? 2 * std::sqrt(std::max(0.0, radius * radius - off * off)) : width;
  };
  for (int i = 0; i < strips; ++i) {
    const double d = (i + 0.5) * dy;
    const double e = eps - phi * d;
    const bool inCore = d > a.cover && d < a.h - a.cover;
    const double whole = chord(a.h / 2, d, a.b);
    const double core = inCore ? chord(a.h / 2 - a.cover, d, a.coreWidth) : 0;
    const double force = dy * (core * coreStress(a.m, e) + (whole - core) * coverStress(a.m, e));
    f.N += force;
    f.M += force * (a.h / 2 - d);
  }
  return f;
}

}  // namespace mphi
