// Lateral drift of a cantilever column of length L (cm), fixed at the
// section: elastic flexure up to the yield curvature, then rotation of a
// plastic hinge of length Lp, with strain penetration into the footing.
// Units T and cm; P-delta is included in the lateral force.
#pragma once

#include <vector>

#include "analysis/curve.h"

namespace mphi {

struct DriftPoint {
  double delta = 0;  // top displacement, cm
  double V = 0;      // lateral force, T
};

struct Drift {
  double L = 0;                   // column length, cm
  double Lsp = 0;                 // strain penetration length, cm
  double Lp = 0;                  // plastic hinge length, cm
  double deltaY = 0;              // at the yield curvature phi_y
  double deltaU = 0;              // at the ultimate curvature phi_u
  double muDelta = 0;             // displacement ductility deltaU / deltaY
  double driftU = 0;              // deltaU / L
  double Vu = 0;                  // lateral force at phi_u
  std::vector<DriftPoint> curve;  // one point per curve point
};

// `fy` (T/cm2), `dcm` (cm) and `P0` (T) from the echo; `phiY` the yield
// curvature of the nominal-moment idealisation. L must be positive.
Drift columnDrift(double L, double fy, double dcm, double P0, double phiY,
                  const std::vector<CurvePoint>& points);

}  // namespace mphi
