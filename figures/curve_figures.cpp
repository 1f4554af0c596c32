#include "figures/curve_figures.h"

#include "section/units.h"

namespace mphi {
namespace {

constexpr double kSpecifiedHardening = 1.25;  // the specified bars reach 1.25 fy at 40 ey

}  // namespace

CurveFigures specifiedFigures(const SectionData& s, const Curve& curve, double length) {
  CurveFigures r;
  // The pi the layout worked the bar counts out with.
  const double barArea = kPiAreas * static_cast<double>(s.dcm) * s.dcm / 4;
  const double bars = 2.0 * (static_cast<double>(s.num1) + s.num2 + s.num3 + s.num4);
  r.steelRatio = bars * barArea / (static_cast<double>(s.b) * s.h);
  r.caltrans = caltransIdealisation(curve);
  r.priestley = priestleyIdealisation(curve);
  r.length = length;
  if (length > 0 && r.priestley.yielded) {
    r.hasDrift = true;
    r.drift = columnDrift(
        cantilever(length, s.fy, s.dcm, kSpecifiedHardening, s.P0, r.priestley.phiY), curve.points);
  }
  return r;
}

}  // namespace mphi
