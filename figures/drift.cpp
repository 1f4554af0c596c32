#include "figures/drift.h"

#include <algorithm>

#include "section/units.h"

namespace mphi {
namespace {

constexpr float kPenetration = 0.022f;  // Lsp = 0.022 fye db, MPa and mm
constexpr double kHingeSlope = 0.2;     // k = 0.2 (fu/fy - 1)
constexpr double kMostHingeSlope = 0.08;

}  // namespace

Cantilever cantilever(double L, double fy, double db, double fuOverFy, double P0, double phiY) {
  Cantilever c;
  c.L = L;
  c.P0 = P0;
  c.phiY = phiY;
  const double fye = fy / kTonPerCm2InMPa;
  c.Lsp = kPenetration * fye * db;  // MPa times cm: cm
  c.k = std::min(kHingeSlope * (fuOverFy - 1), kMostHingeSlope);
  c.Lp = std::max(c.k * L + c.Lsp, 2 * c.Lsp);
  return c;
}

double displacement(const Cantilever& c, double phi) {
  const double arm = c.L + c.Lsp;
  const double elastic = std::min(phi, c.phiY) * arm * arm / 3;
  return phi <= c.phiY ? elastic : elastic + (phi - c.phiY) * c.Lp * c.L;
}

DriftPoint driftAt(const Cantilever& c, double phi, double M) {
  const double delta = displacement(c, phi);
  return {delta, (M - c.P0 * delta) / c.L};
}

std::optional<double> stabilityDrift(const std::vector<DriftPoint>& curve, double L) {
  bool rising = false;
  for (std::size_t i = 1; i < curve.size(); ++i) {
    const DriftPoint &a = curve[i - 1], &b = curve[i];
    rising = rising || b.V > 0;
    if (!rising || b.V > 0) continue;
    // a.V > 0 >= b.V: the force crosses zero between them.
    const double delta = a.delta + (b.delta - a.delta) * a.V / (a.V - b.V);
    return delta / L;
  }
  return std::nullopt;
}

Drift columnDrift(const Cantilever& column, const std::vector<CurvePoint>& points) {
  Drift d;
  d.column = column;
  for (const CurvePoint& p : points) d.curve.push_back(driftAt(column, p.phi, p.M));
  d.deltaY = displacement(column, column.phiY);
  d.deltaU = d.curve.back().delta;
  d.muDelta = d.deltaU / d.deltaY;
  d.driftU = d.deltaU / column.L;
  d.Vu = d.curve.back().V;
  return d;
}

}  // namespace mphi
