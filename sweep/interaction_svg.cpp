#include "sweep/interaction_svg.h"

#include <cstdio>
#include <functional>

#include "charts/svg_chart.h"

namespace mphi {
namespace {

bool hasCurve(const LoadResult& l) {
  return computed(reportedCurve(l.result));
}

bool assessed(const std::vector<LoadResult>& loads) {
  return !loads.empty() && loads.front().result.analysis.model == Model::Assessment;
}

std::string sectionTitle(const char* what, const SectionData& s) {
  char text[160];
  std::snprintf(text, sizeof text, "%s: b \xC3\x97 h = %g \xC3\x97 %g cm, r = %g", what, s.b, s.h,
                s.r);
  return text;
}

// One quantity against the load, broken where it does not exist.
void addCapacity(Panel& p, const std::vector<LoadResult>& loads, const char* name,
                 const char* className, const char* colour, const char* dash,
                 const std::function<bool(const SectionResult&, double&)>& value) {
  Series part;
  part.colour = colour;
  part.dash = dash;
  part.className = className;
  bool any = false;
  for (const LoadResult& l : loads) {
    double m = 0;
    if (hasCurve(l) && value(l.result, m)) {
      part.x.push_back(m);
      part.y.push_back(l.P0);
      any = true;
      continue;
    }
    if (!part.x.empty()) p.series.push_back(part);
    part.x.clear();
    part.y.clear();
  }
  if (!part.x.empty()) p.series.push_back(part);
  if (any) p.legend.push_back({name, colour, true, dash, Shape::None});
}

}  // namespace

std::string interactionSvg(const SectionData& section, const std::vector<LoadResult>& loads) {
  Panel p;
  p.xName = "Moment M";
  p.xUnit = MPHI_TCM;
  p.yName = "Axial load P0";
  p.yUnit = "T";
  addCapacity(p, loads, "Mu (peak)", "mu", "#1f4e9a", "", [](const SectionResult& r, double& m) {
    m = reportedCurve(r).keys.peak.M;
    return reportedCurve(r).keys.peak.exists;
  });
  if (assessed(loads)) {
    addCapacity(p, loads, "Mn (serviceability)", "mn", "#1e8449", "3 3",
                [](const SectionResult& r, double& m) {
                  m = r.curve.keys.serviceability.M;
                  return r.curve.keys.serviceability.exists;
                });
    addCapacity(p, loads, "M at damage control", "mdc", "#c0392b", "8 5",
                [](const SectionResult& r, double& m) {
                  m = r.curve.keys.damageControl.M;
                  return r.curve.keys.damageControl.exists;
                });
  } else {
    addCapacity(p, loads, "Mn (Priestley)", "mn", "#1e8449", "3 3",
                [](const SectionResult& r, double& m) {
                  m = r.figures.priestley.Mn;
                  return r.figures.priestley.available;
                });
    addCapacity(p, loads, "Mp (Caltrans)", "mp", "#c0392b", "8 5",
                [](const SectionResult& r, double& m) {
                  m = r.figures.caltrans.Mp;
                  return r.figures.caltrans.state == CaltransState::Done;
                });
    addCapacity(p, loads, "My (first yield)", "my", "#7f7f7f", "2 4",
                [](const SectionResult& r, double& m) {
                  m = r.written.curve.keys.firstYield.M;
                  return r.written.curve.keys.firstYield.exists;
                });
  }
  bool missing = false;
  for (const LoadResult& l : loads) {
    if (hasCurve(l)) continue;
    p.markers.push_back({0, l.P0, Shape::Cross, "#c0392b"});
    missing = true;
  }
  if (missing) p.legend.push_back({"no curve at this load", "#c0392b", false, "", Shape::Cross});
  if (p.series.empty()) p.empty = "no load has a curve";
  return svgPicture(sectionTitle("P-M interaction", section), {p});
}

std::string curvesSvg(const SectionData& section, const std::vector<LoadResult>& loads) {
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = "1/cm";
  p.yName = "Moment M";
  p.yUnit = MPHI_TCM;
  const double last = loads.size() > 1 ? static_cast<double>(loads.size() - 1) : 1;
  for (std::size_t i = 0; i < loads.size(); ++i) {
    if (!hasCurve(loads[i])) continue;
    Series s;
    s.colour = rampColour(static_cast<double>(i) / last);
    s.width = 1.6;
    s.className = "curve";
    for (const CurvePoint& q : reportedCurve(loads[i].result).points) {
      s.x.push_back(q.phi);
      s.y.push_back(q.M);
    }
    p.series.push_back(s);
    char text[48];
    std::snprintf(text, sizeof text, "P0 = %.4g T", loads[i].P0);
    p.legend.push_back({text, s.colour, true, "", Shape::None});
  }
  if (p.series.empty()) p.empty = "no load has a curve";
  return svgPicture(sectionTitle("M-" MPHI_PHI " curves by axial load", section), {p});
}

}  // namespace mphi
