#include "report/curve_report.h"

namespace mphi {

CurveReport reportCurve(const SectionFile& f, double length) {
  CurveReport r;
  r.summary = summariseCurve(f);
  const CurveSummary& s = r.summary;
  r.caltrans = caltransIdealisation(s.points, f.My, f.Ky, s.peak.m);
  // Layer 8 lies as far above the far face as layer 1 below the near one.
  const double d8 = static_cast<double>(f.h) - f.dt;
  r.priestley = priestleyIdealisation(s.points, d8, f.My, f.Ky, s.peak);
  r.length = length;
  if (length > 0 && r.priestley.yielded) {
    r.hasDrift = true;
    r.drift = columnDrift(length, f.fy, f.dcm, f.P0, r.priestley.phiY, s.points);
  }
  return r;
}

}  // namespace mphi
