#include "report/svg_plot.h"

#include <cstdio>

#include "charts/svg_chart.h"
#include "report/capacity_report.h"
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
  p.markers.push_back({x, y, shape, kKeyColour, ""});
  p.legend.push_back({text, kKeyColour, false, "", shape});
}

// A moment in a legend: whole T.cm as it always was, four digits in the
// larger units.
std::string moment(const Units& u, double M) {
  return format(u.base() ? "%.0f " : "%.4g ", u.in(Quantity::Moment, M)) +
         u.picture(Quantity::Moment);
}

std::string curvature(const Units& u, double phi) {
  return format("%.4g ", u.in(Quantity::Curvature, phi)) + u.picture(Quantity::Curvature);
}

Panel momentCurvature(const SectionData& section, const Curve& curve, const CurveFigures& r,
                      const Units& u) {
  using Q = Quantity;
  auto K = [&u](double phi) { return u.in(Q::Curvature, phi); };
  auto M = [&u](double m) { return u.in(Q::Moment, m); };
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = u.picture(Q::Curvature);
  p.yName = "Moment M";
  p.yUnit = u.picture(Q::Moment);
  if (!computed(curve)) {
    p.empty = figuresNote(section, curve, false, u);
    return p;
  }
  Series points = line({}, {}, kCurveColour, "", "curve");
  points.width = 2.2;
  for (const CurvePoint& q : curve.points) {
    points.x.push_back(K(q.phi));
    points.y.push_back(M(q.M));
  }
  p.series.push_back(points);
  p.legend.push_back({"computed curve", kCurveColour, true, "", Shape::None});

  const KeyPoint& peak = curve.keys.peak;
  const KeyPoint& ultimate = curve.keys.ultimate;
  const KeyPoint& yield = curve.keys.firstYield;
  const double level = 0.8 * peak.M;
  const double phiU = ultimate.phi;
  p.series.push_back(line({0, K(phiU)}, {M(level), M(level)}, kLevelColour, "2 4", "level"));
  p.legend.push_back({"0.8 Mu = " + moment(u, level), kLevelColour, true, "2 4", Shape::None});

  const Caltrans& c = r.caltrans;
  if (c.state == CaltransState::Done) {
    p.series.push_back(
        line({0, K(c.phiYi), K(phiU)}, {0, M(c.Mp), M(c.Mp)}, kCaltransColour, "8 5", "caltrans"));
    p.legend.push_back({"Caltrans: Mp = " + moment(u, c.Mp) +
                            format(", " MPHI_MU MPHI_PHI " = %.3g", c.muPhi) +
                            (c.overstates ? " (above Mu)" : ""),
                        kCaltransColour, true, "8 5", Shape::None});
  }
  const Priestley& n = r.priestley;
  if (n.yielded) {
    p.series.push_back(
        line({0, K(n.phiY), K(phiU)}, {0, M(n.Mn), M(n.Mn)}, kPriestleyColour, "3 3", "priestley"));
    p.legend.push_back({"Priestley: Mn = " + moment(u, n.Mn) +
                            format(", " MPHI_MU MPHI_PHI " = %.3g", n.muPhi) + " (" +
                            limitName(n.limit) + ")",
                        kPriestleyColour, true, "3 3", Shape::None});
  }
  if (yield.exists) {
    keyPoint(
        p, K(yield.phi), M(yield.M), Shape::Circle,
        "first yield: " MPHI_PHI " = " + curvature(u, yield.phi) + ", M = " + moment(u, yield.M));
  }
  keyPoint(p, K(peak.phi), M(peak.M), Shape::Square,
           "peak: " MPHI_PHI " = " + curvature(u, peak.phi) + ", Mu = " + moment(u, peak.M));
  keyPoint(p, K(phiU), M(ultimate.M), Shape::Triangle,
           "ultimate: " MPHI_PHI "u = " + curvature(u, phiU) + ", M = " + moment(u, ultimate.M));
  return p;
}

Panel forceDisplacement(const SectionData& f, const CurveFigures& r, const Units& u) {
  using Q = Quantity;
  auto L = [&u](double v) { return u.in(Q::Length, v); };
  auto F = [&u](double v) { return u.in(Q::Force, v); };
  const std::string cm = u.picture(Q::Length), ton = u.picture(Q::Force);
  const Drift& d = r.drift;
  Panel p;
  p.xName = "Top displacement " MPHI_DELTA;
  p.xUnit = cm;
  p.yName = "Lateral force V";
  p.yUnit = ton;
  Series curve = line({}, {}, kCurveColour, "", "force-displacement");
  for (const DriftPoint& q : d.curve) {
    curve.x.push_back(L(q.delta));
    curve.y.push_back(F(q.V));
  }
  p.series.push_back(curve);
  p.legend.push_back({format("cantilever L = %g ", L(d.column.L)) + cm +
                          format(", P0 = %g ", F(f.P0)) + ton + " (P-" MPHI_DELTA " included)",
                      kCurveColour, true, "", Shape::None});
  p.markers.push_back({L(d.curve.back().delta), F(d.Vu), Shape::Triangle, kKeyColour, ""});
  p.legend.push_back({format(MPHI_DELTA "y = %.3g ", L(d.deltaY)) + cm +
                          format(", " MPHI_DELTA "u = %.3g ", L(d.deltaU)) + cm +
                          format(", " MPHI_MU MPHI_DELTA " = %.3g", d.muDelta) +
                          format(", drift %.2f %%, Vu = %.3g ", 100 * d.driftU, F(d.Vu)) + ton,
                      kKeyColour, false, "", Shape::Triangle});
  markCapacity(p, r.capacity, curve.x, curve.y, L(d.column.L));
  return p;
}

}  // namespace

std::string svgPlot(const SectionData& f, const Curve& curve, const CurveFigures& r,
                    const Units& u) {
  using Q = Quantity;
  std::vector<Panel> panels = {momentCurvature(f, curve, r, u)};
  if (r.hasDrift) panels.push_back(forceDisplacement(f, r, u));
  const std::string title = format("M-" MPHI_PHI " curve: b \xC3\x97 h = %g \xC3\x97 %g ",
                                   u.in(Q::Length, f.b), u.in(Q::Length, f.h)) +
                            u.picture(Q::Length) + format(", P0 = %g ", u.in(Q::Force, f.P0)) +
                            u.picture(Q::Force);
  return svgPicture(title, panels);
}

}  // namespace mphi
