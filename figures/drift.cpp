#include "figures/drift.h"

#include <algorithm>

#include "section/units.h"

namespace mphi {
namespace {

constexpr float kPenetration = 0.022f;    // Lsp = 0.022 fye dcm, fye in MPa
constexpr float kHingePerLength = 0.08f;  // Lp = 0.08 L + Lsp, at least 2 Lsp

}  // namespace

Drift columnDrift(double L, double fy, double dcm, double P0, double phiY,
                  const std::vector<CurvePoint>& points) {
  Drift d;
  d.L = L;
  const double fye = fy / kTonPerCm2InMPa;
  d.Lsp = kPenetration * fye * dcm;
  d.Lp = std::max(kHingePerLength * L + d.Lsp, 2 * d.Lsp);
  auto displacement = [&](double phi) {
    const double elastic = std::min(phi, phiY) * L * L / 3;
    return phi <= phiY ? elastic : elastic + (phi - phiY) * d.Lp * L;
  };
  for (const CurvePoint& p : points) {
    const double delta = displacement(p.phi);
    d.curve.push_back({delta, (p.M - P0 * delta) / L});
  }
  d.deltaY = displacement(phiY);
  d.deltaU = d.curve.back().delta;
  d.muDelta = d.deltaU / d.deltaY;
  d.driftU = d.deltaU / L;
  d.Vu = d.curve.back().V;
  return d;
}

}  // namespace mphi
