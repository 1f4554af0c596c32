#include "figures/figure_rows.h"

#include "figures/curve_figures.h"

namespace mphi {
namespace {

// The origin alone, and why.
Curve noRows(Curve c, FiguresStop stop, double load) {
  c.points.resize(1);
  c.keys = {};
  c.stop = stop;
  c.stopLoad = load;
  return c;
}

}  // namespace

Curve figuresCurve(const SectionData& s, Curve c) {
  if (s.P0 < -tensionCapacity(s, c)) {
    return noRows(std::move(c), FiguresStop::BeyondSteelStrength, tensionCapacity(s, c));
  }
  const StepEvent* failure = nullptr;
  for (const StepEvent& e : c.events) {
    const bool bars = e.kind == StepEventKind::CompressionBarsFailed ||
                      e.kind == StepEventKind::TensionBarsFailed;
    if (bars && (failure == nullptr || e.row < failure->row)) failure = &e;
  }
  if (failure == nullptr) return c;
  c.stop = FiguresStop::BarFailure;
  c.stopEvent = *failure;
  std::vector<CurvePoint> kept(c.points.begin(), c.points.begin() + 1);
  for (std::size_t i = 1; i < c.points.size(); ++i) {
    if (c.points[i].row < failure->row) kept.push_back(c.points[i]);
  }
  c.points = std::move(kept);
  const KeyPoint yield = c.keys.firstYield;
  c.keys = {};
  if (yield.exists && yield.row < failure->row) c.keys.firstYield = yield;
  if (c.points.size() > 1) {
    const CurvePoint* peak = &c.points[1];
    for (const CurvePoint& p : c.points) {
      if (p.row > 1 && p.M > peak->M) peak = &p;
    }
    c.keys.peak = keyPointAt(*peak);
    c.keys.ultimate = keyPointAt(c.points.back());
  }
  return c;
}

Curve fileFiguresCurve(const SectionData& s, Curve c) {
  const double yield = mainSteelArea(s, c) * s.fy;
  if (s.P0 < -yield) return noRows(std::move(c), FiguresStop::BeyondSteelYield, yield);
  return c;
}

}  // namespace mphi
