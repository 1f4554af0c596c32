#include "figures/idealisation.h"

#include <cmath>

namespace mphi {
namespace {

// Signed area under the polyline where the curvature is at least `from`.
double areaBeyond(const std::vector<CurvePoint>& points, double from) {
  double area = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const CurvePoint& a = points[i - 1];
    const CurvePoint& b = points[i];
    if (a.phi < from && b.phi < from) continue;
    double k0 = a.phi, m0 = a.M, k1 = b.phi, m1 = b.M;
    // One end lies before `from`: cut the segment there.
    if (k0 < from) {
      m0 = a.M + (b.M - a.M) * (from - a.phi) / (b.phi - a.phi);
      k0 = from;
    } else if (k1 < from) {
      m1 = a.M + (b.M - a.M) * (from - a.phi) / (b.phi - a.phi);
      k1 = from;
    }
    area += (k1 - k0) * (m0 + m1) / 2;
  }
  return area;
}

}  // namespace

Caltrans caltransIdealisation(const Curve& curve) {
  Caltrans c;
  const std::vector<CurvePoint>& points = curve.points;
  const double My = curve.keys.firstYield.M, Ky = curve.keys.firstYield.phi;
  if (!curve.keys.firstYield.exists || My == 0 || Ky == 0 || points.size() < 2) return c;
  c.K = My / Ky;
  c.area = My * Ky / 2 + areaBeyond(points, Ky);
  const double phiU = points.back().phi;
  // Equal areas: Mp phi_u - Mp^2 / (2K) = A.
  const double discriminant = phiU * phiU - 2 * c.area / c.K;
  if (!(c.K > 0) || !(discriminant >= 0) || !(phiU > 0)) {
    c.state = CaltransState::NoRealRoot;
    return c;
  }
  c.state = CaltransState::Done;
  c.Mp = c.K * (phiU - std::sqrt(discriminant));
  c.phiYi = c.Mp / c.K;
  c.muPhi = c.phiYi > 0 ? phiU / c.phiYi : 0;
  c.overstates = c.Mp > curve.keys.peak.M;
  return c;
}

Priestley priestleyIdealisation(const Curve& curve) {
  Priestley p;
  const std::vector<CurvePoint>& points = curve.points;
  if (points.size() < 2) return p;
  p.available = true;
  p.limit = NominalLimit::Peak;
  p.Mn = curve.keys.peak.M;
  p.phiN = curve.keys.peak.phi;
  const double d8 = curve.tensionDepth;
  auto tension = [d8](const CurvePoint& q) { return (d8 - q.c) * q.phi; };
  for (std::size_t i = 1; i < points.size(); ++i) {
    const CurvePoint& b = points[i];
    const bool concrete = b.eps >= kConcreteStrainLimit;
    const bool steel = tension(b) >= kSteelStrainLimit;
    if (!concrete && !steel) continue;
    p.limit = concrete ? NominalLimit::Concrete : NominalLimit::Steel;
    p.Mn = b.M;
    p.phiN = b.phi;
    if (i == 1) break;  // the first computed row is already past a limit
    // Where along the last interval each limit is reached; the earlier wins.
    const CurvePoint& a = points[i - 1];
    double t = 2;
    if (concrete) t = (kConcreteStrainLimit - a.eps) / (b.eps - a.eps);
    if (steel) {
      const double ts = (kSteelStrainLimit - tension(a)) / (tension(b) - tension(a));
      if (ts < t) {
        t = ts;
        p.limit = NominalLimit::Steel;
      }
    }
    p.Mn = a.M + t * (b.M - a.M);
    p.phiN = a.phi + t * (b.phi - a.phi);
    break;
  }
  const double My = curve.keys.firstYield.M, Ky = curve.keys.firstYield.phi;
  if (curve.keys.firstYield.exists && My != 0 && Ky != 0) {
    p.yielded = true;
    p.phiY = std::fmax(Ky * p.Mn / My, Ky);
    p.muPhi = points.back().phi / p.phiY;
  }
  return p;
}

const char* limitName(NominalLimit limit) {
  switch (limit) {
    case NominalLimit::Concrete:
      return "concrete 0.004";
    case NominalLimit::Steel:
      return "steel 0.015";
    case NominalLimit::Peak:
      break;
  }
  return "peak";
}

}  // namespace mphi
