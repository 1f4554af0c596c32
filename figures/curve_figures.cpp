#include "figures/curve_figures.h"

#include "section/units.h"

namespace mphi {
namespace {

constexpr double kHardening = 1.25;  // the bars' law reaches 1.25 fy at 40 ey

}  // namespace

double mainSteelArea(const SectionData& s, const Curve& curve) {
  if (!curve.layers.empty()) {
    double area = 0;
    for (const BarRow& l : curve.layers) area += l.area;
    return area;
  }
  // The pi the layout worked the bar counts out with.
  const double barArea = kPiAreas * static_cast<double>(s.dcm) * s.dcm / 4;
  return 2.0 * (static_cast<double>(s.num1) + s.num2 + s.num3 + s.num4) * barArea;
}

double grossArea(const SectionData& s, const Curve& curve) {
  return curve.shape == SectionShape::Circular ? kPi * s.h * s.h / 4
                                               : static_cast<double>(s.b) * s.h;
}

double squashLoad(const SectionData& s, const Curve& curve) {
  const double As = mainSteelArea(s, curve);
  return 0.85 * s.fc * (grossArea(s, curve) - As) + As * s.fy;
}

double tensionCapacity(const SectionData& s, const Curve& curve) {
  return mainSteelArea(s, curve) * s.fy * kHardening;
}

CurveFigures curveFigures(const SectionData& s, const Curve& curve, const Analysis& analysis) {
  const double length = analysis.length;
  CurveFigures r;
  r.steelRatio = mainSteelArea(s, curve) / (static_cast<double>(s.b) * s.h);
  r.length = length;
  r.tooFewRows = computed(curve) && curve.points.size() - 1 < kFewestRowsToIdealise;
  if (!r.tooFewRows) {
    r.caltrans = caltransIdealisation(curve);
    r.priestley = priestleyIdealisation(curve);
  }
  if (length > 0 && r.priestley.yielded) {
    r.hasDrift = true;
    r.drift = columnDrift(cantilever(length, s.fy, s.dcm, kHardening, s.P0, r.priestley.phiY),
                          curve.points);
  }
  r.capacity =
      driftCapacity(s, analysis, computed(curve) ? std::optional(curve.keys.peak.M) : std::nullopt,
                    r.hasDrift ? std::optional(r.drift.driftU) : std::nullopt);
  if (r.hasDrift) r.capacity.stability = stabilityDrift(r.drift.curve, length);
  return r;
}

}  // namespace mphi
