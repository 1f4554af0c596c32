// Lateral drift of a cantilever column of length L (cm), fixed at the
// section: the curvature's elastic flexure over L + Lsp up to yield, then
// the rotation of a plastic hinge of length Lp, with strain penetration
// into the footing (Priestley, Calvi and Kowalsky 2007). Units T and cm;
// P-delta is included in the lateral force.
#pragma once

#include <optional>
#include <vector>

#include "curve/curve.h"

namespace mphi {

struct Cantilever {
  double L = 0;     // column length, cm
  double Lsp = 0;   // strain penetration, 0.022 fy db (MPa, mm), cm
  double k = 0;     // 0.2 (fu/fy - 1), at most 0.08
  double Lp = 0;    // plastic hinge, k L + Lsp, at least 2 Lsp, cm
  double phiY = 0;  // yield curvature, 1/cm
  double P0 = 0;    // axial load, T
};

// `fy` in T/cm2, `db` the main bar diameter in cm, `fuOverFy` the bars'
// ultimate over their yield strength.
Cantilever cantilever(double L, double fy, double db, double fuOverFy, double P0, double phiY);

struct DriftPoint {
  double delta = 0;  // top displacement, cm
  double V = 0;      // lateral force (M - P0 delta) / L, T
};

// Phi (1/cm) L+Lsp squared over 3 up to phi_y, then delta_y + (phi - phi_y) Lp L.
double displacement(const Cantilever& c, double phi);
DriftPoint driftAt(const Cantilever& c, double phi, double M);

// The P-delta stability drift: where the lateral force (M - P0 delta) / L
// of the drift curve first falls back to zero after rising, as delta / L,
// interpolated between its points. Past it the column cannot carry its
// load at any lateral force. nullopt where the force stays positive to the
// curve's end (always so without compression).
std::optional<double> stabilityDrift(const std::vector<DriftPoint>& curve, double L);

// The specified model's drift at its ultimate point.
struct Drift {
  Cantilever column;
  double deltaY = 0;              // at the yield curvature phi_y
  double deltaU = 0;              // at the ultimate curvature phi_u
  double muDelta = 0;             // displacement ductility deltaU / deltaY
  double driftU = 0;              // deltaU / L
  double Vu = 0;                  // lateral force at phi_u
  std::vector<DriftPoint> curve;  // one point per curve point
};

// The curve's points; the last is the ultimate.
Drift columnDrift(const Cantilever& column, const std::vector<CurvePoint>& points);

}  // namespace mphi
