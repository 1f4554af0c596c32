#include "sweep/interaction_svg.h"

#include <cstdio>

#include "charts/svg_chart.h"
#include "model/model_table.h"
#include "report/summary_text.h"
#include "textio/formatted.h"

namespace mphi {
namespace {

using Q = Quantity;

bool hasCurve(const LoadResult& l) {
  return computed(l.result.reported.curve);
}

const ModelEntry& modelOf(const std::vector<LoadResult>& loads) {
  return loads.empty() ? modelTable().front() : modelEntry(loads.front().result.analysis.model);
}

SectionShape shapeOf(const std::vector<LoadResult>& loads) {
  return loads.empty() ? SectionShape::Rectangular : loads.front().result.analysis.shape;
}

// The section's size with its steel: "b × h = 40 × 35 cm, r = 0.02" or "D =
// 60 cm, 12 bars".
std::string sizeAndSteel(const SectionData& s, const std::vector<LoadResult>& loads,
                         const Units& u) {
  const std::string size = sizeWords(inUnits(s, u), shapeOf(loads)) + " " + u.picture(Q::Length);
  if (shapeOf(loads) == SectionShape::Circular) {
    return size + formatted(", %g bars", loads.front().result.analysis.circleBars);
  }
  return size + formatted(", r = %g", s.r);
}

// The section's data, for a caption under the diagram.
std::string sectionCaption(const SectionData& s, const std::vector<LoadResult>& loads,
                           const Units& u) {
  const std::string length = u.picture(Q::Length), stress = u.picture(Q::Stress);
  const bool circle = shapeOf(loads) == SectionShape::Circular;
  return sizeAndSteel(s, loads, u) +
         formatted(", fc = %g, fy = %g ", u.in(Q::Stress, s.fc), u.in(Q::Stress, s.fy)) + stress +
         formatted(", cover %g, bars %g, %s %g at %g ", u.in(Q::Length, s.clearb1cm),
                   u.in(Q::Length, s.dcm),
                   circle ? transverseName(loads.front().result.analysis.transverse) : "ties",
                   u.in(Q::Length, s.dbcm), u.in(Q::Length, s.sccm)) +
         length;
}

std::string amount(const Units& u, Q q, double v) {
  return formatted("%.4g ", u.in(q, v)) + u.picture(q);
}

// One quantity against the load, broken where it does not exist.
void addCapacity(Panel& p, const std::vector<LoadResult>& loads, const Units& u,
                 const CapacityLine& line) {
  Series part;
  part.colour = line.colour;
  part.dash = line.dash;
  part.className = line.className;
  bool any = false;
  for (const LoadResult& l : loads) {
    double m = 0;
    if (hasCurve(l) && line.moment(l.result, m)) {
      part.x.push_back(u.in(Q::Moment, m));
      part.y.push_back(u.in(Q::Force, l.P0));
      any = true;
      continue;
    }
    if (!part.x.empty()) p.series.push_back(part);
    part.x.clear();
    part.y.clear();
  }
  if (!part.x.empty()) p.series.push_back(part);
  if (any) p.legend.push_back({line.name, line.colour, true, line.dash, Shape::None});
}

bool peakOf(const SectionResult& r, double& m) {
  m = r.reported.curve.keys.peak.M;
  return r.reported.curve.keys.peak.exists;
}

}  // namespace

bool momentCapacityAt(const std::vector<LoadResult>& loads, double P, double& Mu) {
  for (std::size_t i = 1; i < loads.size(); ++i) {
    const LoadResult &a = loads[i - 1], &b = loads[i];
    double Ma = 0, Mb = 0;
    if (!hasCurve(a) || !hasCurve(b) || !peakOf(a.result, Ma) || !peakOf(b.result, Mb)) continue;
    const double lo = std::min(a.P0, b.P0), hi = std::max(a.P0, b.P0);
    if (P < lo || P > hi || a.P0 == b.P0) continue;
    Mu = Ma + (Mb - Ma) * (P - a.P0) / (b.P0 - a.P0);
    return true;
  }
  return false;
}

namespace {

// Where the curves stop, the diagram closes to the hand values of pure
// axial load, drawn dotted: the models give no curve there. The balanced
// point is the largest Mu. False when no load has a curve.
bool addClosure(Panel& p, const SectionData& section, const std::vector<LoadResult>& loads,
                const Units& u) {
  const LoadResult* lowest = nullptr;
  const LoadResult* highest = nullptr;
  const LoadResult* balanced = nullptr;
  double balancedM = 0;
  for (const LoadResult& l : loads) {
    double m = 0;
    if (!hasCurve(l) || !peakOf(l.result, m)) continue;
    if (lowest == nullptr || l.P0 < lowest->P0) lowest = &l;
    if (highest == nullptr || l.P0 > highest->P0) highest = &l;
    if (balanced == nullptr || m > balancedM) balanced = &l, balancedM = m;
  }
  if (lowest == nullptr) return false;
  const Curve& curve = lowest->result.reported.curve;
  const double compression = squashLoad(section, curve);
  const double tension = -tensionCapacity(section, curve);
  double low = 0, high = 0;
  peakOf(lowest->result, low);
  peakOf(highest->result, high);
  Series closing;
  closing.colour = "#1f4e9a";
  closing.dash = "1 4";
  closing.className = "closing";
  closing.x = {0, u.in(Q::Moment, low)};
  closing.y = {u.in(Q::Force, tension), u.in(Q::Force, lowest->P0)};
  p.series.push_back(closing);
  closing.x = {u.in(Q::Moment, high), 0};
  closing.y = {u.in(Q::Force, highest->P0), u.in(Q::Force, compression)};
  p.series.push_back(closing);
  p.markers.push_back({0, u.in(Q::Force, compression), Shape::Triangle, "#111111", ""});
  p.markers.push_back({0, u.in(Q::Force, tension), Shape::Triangle, "#111111", ""});
  p.legend.push_back({"curves from P0 = " + amount(u, Q::Force, lowest->P0) + " to " +
                          amount(u, Q::Force, highest->P0) +
                          "; dotted beyond them to the hand values",
                      "#1f4e9a", true, "1 4", Shape::None});
  p.legend.push_back({"hand values: pure compression Po = " + amount(u, Q::Force, compression) +
                          ", pure tension As fu = " + amount(u, Q::Force, -tension),
                      "#111111", false, "", Shape::Triangle});
  p.markers.push_back(
      {u.in(Q::Moment, balancedM), u.in(Q::Force, balanced->P0), Shape::Diamond, "#e67e22", ""});
  p.legend.push_back({"balanced point (largest Mu): P0 = " + amount(u, Q::Force, balanced->P0) +
                          ", Mu = " + amount(u, Q::Moment, balancedM),
                      "#e67e22", false, "", Shape::Diamond});
  return true;
}

// Each design action, judged against Mu between the loads swept.
void addDesignPoints(Panel& p, const std::vector<LoadResult>& loads, const Units& u,
                     const std::vector<DesignPoint>& design) {
  for (std::size_t i = 0; i < design.size(); ++i) {
    const DesignPoint& d = design[i];
    double Mu = 0;
    const bool known = momentCapacityAt(loads, d.P, Mu);
    const std::string name = "D" + std::to_string(i + 1);
    p.markers.push_back(
        {u.in(Q::Moment, d.M), u.in(Q::Force, d.P), Shape::Square, "#8e44ad", name});
    p.legend.push_back({name + ": design P = " + amount(u, Q::Force, d.P) +
                            ", M = " + amount(u, Q::Moment, d.M) +
                            (!known      ? ": outside the loads swept"
                             : d.M <= Mu ? formatted(": inside (M/Mu = %.2f)", d.M / Mu)
                                         : formatted(": OUTSIDE (M/Mu = %.2f)", d.M / Mu)),
                        "#8e44ad", false, "", Shape::Square});
  }
}

}  // namespace

std::string interactionSvg(const SectionData& section, const std::vector<LoadResult>& loads,
                           const Units& u, const std::vector<DesignPoint>& design) {
  Panel p;
  p.xName = "Moment M";
  p.xUnit = u.picture(Q::Moment);
  p.yName = "Axial load P0";
  p.yUnit = u.picture(Q::Force);
  addCapacity(p, loads, u, {"Mu (peak)", "mu", "#1f4e9a", "", peakOf});
  for (const CapacityLine& line : modelOf(loads).capacities) addCapacity(p, loads, u, line);
  if (!addClosure(p, section, loads, u)) p.empty = "no load has a curve";
  bool missing = false;
  for (const LoadResult& l : loads) {
    if (hasCurve(l)) continue;
    p.markers.push_back({0, u.in(Q::Force, l.P0), Shape::Cross, "#c0392b", ""});
    missing = true;
  }
  if (missing) p.legend.push_back({"no curve at this load", "#c0392b", false, "", Shape::Cross});
  addDesignPoints(p, loads, u, design);
  p.legend.push_back({sectionCaption(section, loads, u), "#111111", false, "", Shape::None});
  return svgPicture(std::string("P-M interaction, ") + modelOf(loads).words + ": " +
                        sizeAndSteel(section, loads, u),
                    {p});
}

std::string curvesSvg(const SectionData& section, const std::vector<LoadResult>& loads,
                      const Units& u) {
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = u.picture(Q::Curvature);
  p.yName = "Moment M";
  p.yUnit = u.picture(Q::Moment);
  const double last = loads.size() > 1 ? static_cast<double>(loads.size() - 1) : 1;
  for (std::size_t i = 0; i < loads.size(); ++i) {
    if (!hasCurve(loads[i])) continue;
    Series s;
    s.colour = rampColour(static_cast<double>(i) / last);
    s.width = 1.6;
    s.className = "curve";
    for (const CurvePoint& q : loads[i].result.reported.curve.points) {
      s.x.push_back(u.in(Q::Curvature, q.phi));
      s.y.push_back(u.in(Q::Moment, q.M));
    }
    p.series.push_back(s);
    p.legend.push_back(
        {"P0 = " + amount(u, Q::Force, loads[i].P0), s.colour, true, "", Shape::None});
  }
  if (p.series.empty()) p.empty = "no load has a curve";
  return svgPicture(std::string("M-" MPHI_PHI " curves by axial load, ") + modelOf(loads).words +
                        ": " + sectionCaption(section, loads, u),
                    {p});
}

}  // namespace mphi
