#include "report/idealisation.h"

#include <cmath>

namespace mphi {
namespace {

// Signed area under the polyline where the curvature is at least `from`.
double areaBeyond(const std::vector<CurvePoint>& points, double from) {
  double area = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const CurvePoint& a = points[i - 1];
    const CurvePoint& b = points[i];
    if (a.k < from && b.k < from) continue;
    double k0 = a.k, m0 = a.m, k1 = b.k, m1 = b.m;
    // One end lies before `from`: cut the segment there.
    if (k0 < from) {
      m0 = a.m + (b.m - a.m) * (from - a.k) / (b.k - a.k);
      k0 = from;
    } else if (k1 < from) {
      m1 = a.m + (b.m - a.m) * (from - a.k) / (b.k - a.k);
      k1 = from;
    }
    area += (k1 - k0) * (m0 + m1) / 2;
  }
  return area;
}

}  // namespace

Caltrans caltransIdealisation(const std::vector<CurvePoint>& points, double My, double Ky,
                              double Mu) {
  Caltrans c;
  if (My == 0 || Ky == 0 || points.size() < 2) return c;  // NoYield
  c.K = My / Ky;
  c.area = My * Ky / 2 + areaBeyond(points, Ky);
  const double phiU = points.back().k;
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
  c.overstates = c.Mp > Mu;
  return c;
}

Priestley priestleyIdealisation(const std::vector<CurvePoint>& points, double d8, double My,
                                double Ky, const CurvePoint& peak) {
  Priestley p;
  if (points.size() < 2) return p;
  p.available = true;
  p.limit = NominalLimit::Peak;
  p.Mn = peak.m;
  p.phiN = peak.k;
  auto tension = [d8](const CurvePoint& q) { return (d8 - q.c) * q.k; };
  for (std::size_t i = 1; i < points.size(); ++i) {
    const CurvePoint& b = points[i];
    const bool concrete = b.e >= kConcreteStrainLimit;
    const bool steel = tension(b) >= kSteelStrainLimit;
    if (!concrete && !steel) continue;
    p.limit = concrete ? NominalLimit::Concrete : NominalLimit::Steel;
    p.Mn = b.m;
    p.phiN = b.k;
    if (i == 1) break;  // the first computed row is already past a limit
    // Where along the last interval each limit is reached; the earlier wins.
    const CurvePoint& a = points[i - 1];
    double t = 2;
    if (concrete) t = (kConcreteStrainLimit - a.e) / (b.e - a.e);
    if (steel) {
      const double ts = (kSteelStrainLimit - tension(a)) / (tension(b) - tension(a));
      if (ts < t) {
        t = ts;
        p.limit = NominalLimit::Steel;
      }
    }
    p.Mn = a.m + t * (b.m - a.m);
    p.phiN = a.k + t * (b.k - a.k);
    break;
  }
  if (My != 0 && Ky != 0) {
    p.yielded = true;
    p.phiY = std::fmax(Ky * p.Mn / My, Ky);
    p.muPhi = points.back().k / p.phiY;
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
