#include "report/svg_plot.h"

#include <cstdio>

#include "charts/svg_chart.h"
#include "report/summary_text.h"

namespace mphi {
namespace {

const char* const kCurveColour = "#1f4e9a";
const char* const kCaltransColour = "#c0392b";
const char* const kPriestleyColour = "#1e8449";
const char* const kLevelColour = "#7f7f7f";
const char* const kKeyColour = "#111111";

std::string format(const char* pattern, double a, double b = 0, double c = 0) {
  char text[200];
  std::snprintf(text, sizeof text, pattern, a, b, c);
  return text;
}

Series line(std::vector<double> x, std::vector<double> y, const char* colour, const char* dash,
            const char* className) {
  Series s;
  s.x = std::move(x);
  s.y = std::move(y);
  s.colour = colour;
  s.dash = dash;
  s.className = className;
  return s;
}

void keyPoint(Panel& p, double x, double y, Shape shape, const std::string& text) {
  p.markers.push_back({x, y, shape, kKeyColour});
  p.legend.push_back({text, kKeyColour, false, "", shape});
}

Panel momentCurvature(const SectionData& section, const Curve& curve, const CurveFigures& r) {
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = "1/cm";
  p.yName = "Moment M";
  p.yUnit = MPHI_TCM;
  if (!computed(curve)) {
    p.empty = figuresNote(section, curve, false);
    return p;
  }
  Series points = line({}, {}, kCurveColour, "", "curve");
  points.width = 2.2;
  for (const CurvePoint& q : curve.points) {
    points.x.push_back(q.phi);
    points.y.push_back(q.M);
  }
  p.series.push_back(points);
  p.legend.push_back({"computed curve", kCurveColour, true, "", Shape::None});

  const KeyPoint& peak = curve.keys.peak;
  const KeyPoint& ultimate = curve.keys.ultimate;
  const KeyPoint& yield = curve.keys.firstYield;
  const double level = 0.8 * peak.M;
  const double phiU = ultimate.phi;
  p.series.push_back(line({0, phiU}, {level, level}, kLevelColour, "2 4", "level"));
  p.legend.push_back(
      {format("0.8 Mu = %.0f " MPHI_TCM, level), kLevelColour, true, "2 4", Shape::None});

  const Caltrans& c = r.caltrans;
  if (c.state == CaltransState::Done) {
    p.series.push_back(
        line({0, c.phiYi, phiU}, {0, c.Mp, c.Mp}, kCaltransColour, "8 5", "caltrans"));
    p.legend.push_back(
        {format("Caltrans: Mp = %.0f " MPHI_TCM ", " MPHI_MU MPHI_PHI " = %.3g", c.Mp, c.muPhi) +
             (c.overstates ? " (above Mu)" : ""),
         kCaltransColour, true, "8 5", Shape::None});
  }
  const Priestley& n = r.priestley;
  if (n.yielded) {
    p.series.push_back(
        line({0, n.phiY, phiU}, {0, n.Mn, n.Mn}, kPriestleyColour, "3 3", "priestley"));
    p.legend.push_back(
        {format("Priestley: Mn = %.0f " MPHI_TCM ", " MPHI_MU MPHI_PHI " = %.3g", n.Mn, n.muPhi) +
             " (" + limitName(n.limit) + ")",
         kPriestleyColour, true, "3 3", Shape::None});
  }
  if (yield.exists) {
    keyPoint(
        p, yield.phi, yield.M, Shape::Circle,
        format("first yield: " MPHI_PHI " = %.4g 1/cm, M = %.0f " MPHI_TCM, yield.phi, yield.M));
  }
  keyPoint(p, peak.phi, peak.M, Shape::Square,
           format("peak: " MPHI_PHI " = %.4g 1/cm, Mu = %.0f " MPHI_TCM, peak.phi, peak.M));
  keyPoint(p, phiU, ultimate.M, Shape::Triangle,
           format("ultimate: " MPHI_PHI "u = %.4g 1/cm, M = %.0f " MPHI_TCM, phiU, ultimate.M));
  return p;
}

Panel forceDisplacement(const SectionData& f, const CurveFigures& r) {
  const Drift& d = r.drift;
  Panel p;
  p.xName = "Top displacement " MPHI_DELTA;
  p.xUnit = "cm";
  p.yName = "Lateral force V";
  p.yUnit = "T";
  Series curve = line({}, {}, kCurveColour, "", "force-displacement");
  for (const DriftPoint& q : d.curve) {
    curve.x.push_back(q.delta);
    curve.y.push_back(q.V);
  }
  p.series.push_back(curve);
  p.legend.push_back(
      {format("cantilever L = %g cm, P0 = %g T (P-" MPHI_DELTA " included)", d.column.L, f.P0),
       kCurveColour, true, "", Shape::None});
  p.markers.push_back({d.curve.back().delta, d.Vu, Shape::Triangle, kKeyColour});
  p.legend.push_back(
      {format(MPHI_DELTA "y = %.3g cm, " MPHI_DELTA "u = %.3g cm, " MPHI_MU MPHI_DELTA " = %.3g",
              d.deltaY, d.deltaU, d.muDelta) +
           format(", drift %.2f %%, Vu = %.3g T", 100 * d.driftU, d.Vu),
       kKeyColour, false, "", Shape::Triangle});
  return p;
}

}  // namespace

std::string svgPlot(const SectionData& f, const Curve& curve, const CurveFigures& r) {
  std::vector<Panel> panels = {momentCurvature(f, curve, r)};
  if (r.hasDrift) panels.push_back(forceDisplacement(f, r));
  char title[160];
  std::snprintf(title, sizeof title,
                "M-" MPHI_PHI " curve: b \xC3\x97 h = %g \xC3\x97 %g cm, P0 = %g T", f.b, f.h,
                f.P0);
  return svgPicture(title, panels);
}

}  // namespace mphi
