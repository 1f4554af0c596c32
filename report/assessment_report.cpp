#include "report/assessment_report.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "charts/svg_chart.h"
#include "report/summary_text.h"

namespace mphi {
namespace {

using json = nlohmann::ordered_json;

std::string format(const char* pattern, ...) {
  char text[256];
  va_list args;
  va_start(args, pattern);
  std::vsnprintf(text, sizeof text, pattern, args);
  va_end(args);
  return text;
}

// A number, or null where it is not one (the origin has no neutral axis).
json number(double v) {
  return std::isfinite(v) ? json(v) : json(nullptr);
}

std::string barsText(const SectionData& s, const Curve& c) {
  const bool explicitBars = !c.layers.empty() && c.layers.front().bars > 0;
  if (!explicitBars) {
    return format("main steel b h r = %.4g cm2 spread along the faces", s.b * s.h * s.r);
  }
  const int side = static_cast<int>(c.layers.size()) - 2;
  return format("%d bars on each face, %d on each side, %g cm", c.layers.front().bars, side, s.dcm);
}

std::string idealisationText(const char* title, const Idealisation& i) {
  std::string t = std::string(title) + "\n";
  if (!i.available) return t + "  not available: " + i.reason + "\n";
  t += format("  My = %.7g T.cm, Ky = %.7g 1/cm, Mn = %.7g T.cm\n", i.My, i.Ky, i.Mn);
  t += format("  phi_y = Ky Mn / My = %.7g 1/cm\n", i.phiY);
  t += format("  mu_phi = %.3f at damage control, %.3f at ultimate\n", i.muPhiDc, i.muPhiU);
  return t;
}

json keyPointJson(const KeyPoint& k) {
  if (!k.exists) return nullptr;
  return {{"governed", k.governed.empty() ? json(nullptr) : json(k.governed)},
          {"eps_fibre", k.eps},
          {"c_cm", number(k.c)},
          {"phi_per_cm", k.phi},
          {"M_Tcm", k.M},
          {"eps_core", k.epsCore},
          {"eps_tension_steel", k.epsTension}};
}

json idealisationJson(const Idealisation& i) {
  if (!i.available) return {{"reason", i.reason}};
  return {{"My_Tcm", i.My},         {"Ky_per_cm", i.Ky},      {"Mn_Tcm", i.Mn},
          {"phi_y_per_cm", i.phiY}, {"mu_phi_dc", i.muPhiDc}, {"mu_phi_u", i.muPhiU}};
}

json limitStateJson(const LimitStateDrift& d) {
  return {{"delta_cm", d.delta}, {"drift", d.drift}, {"mu_delta", d.muDelta}, {"V_T", d.V}};
}

const char* const kCurveColour = "#1f4e9a";
const char* const kIdealColour = "#1e8449";

struct MarkerStyle {
  Shape shape;
  const char* colour;
};
// One look per key point, in namedKeyPoints' order.
const MarkerStyle kStyles[] = {{Shape::Circle, "#111111"},   {Shape::Diamond, "#7f7f7f"},
                               {Shape::Cross, "#8e44ad"},    {Shape::Square, "#1f4e9a"},
                               {Shape::Triangle, "#c0392b"}, {Shape::Triangle, "#111111"}};

}  // namespace

std::vector<NamedKeyPoint> namedKeyPoints(const Curve& c) {
  const KeyPoints& k = c.keys;
  return {{"first_yield", "first yield", &k.firstYield},
          {"tension_steel_yield", "tension steel yield", &k.tensionSteelYield},
          {"serviceability", "serviceability", &k.serviceability},
          {"peak", "peak", &k.peak},
          {"damage_control", "damage control", &k.damageControl},
          {"ultimate", "ultimate", &k.ultimate}};
}

std::string assessmentText(const SectionData& s, const Curve& c, const AssessmentFigures& f) {
  const MaterialConstants& m = c.constants;
  std::string t = "Section (units T, cm), assessment model\n";
  t += format("  b = %g cm, h = %g cm, P0 = %g T, fc = %g T/cm2, fy = %g T/cm2\n", s.b, s.h, s.P0,
              s.fc, s.fy);
  t += "  " + barsText(s, c) + format(", bar centres %.4g cm inside the faces\n", c.barInset);
  t += format("  fcc = %.6g MPa, ecc = %.6g, ecu = %.6g, esu = %.6g\n", m.fcc, m.ecc, m.ecu, m.esu);
  t += "Curve\n";
  if (c.points.size() <= 1 && c.end == CurveEnd::NoEquilibrium) {
    return t + "  " + endExplanation(s, c) + ": no uniform strain carries the load\n";
  }
  t += format("  %d rows from the uniform strain %.6g that carries P0; ended: ", c.tableRows,
              c.points.front().eps) +
       endExplanation(s, c) + "\n";
  t += "Key points (fibre strain, curvature 1/cm, moment T.cm)\n";
  for (const NamedKeyPoint& k : namedKeyPoints(c)) {
    const KeyPoint& p = *k.point;
    if (!p.exists) {
      t += format("  %-20s not reached\n", k.words);
      continue;
    }
    t += format("  %-20s eps %.6g, phi %.6g, M %.6g", k.words, p.eps, p.phi, p.M);
    t += p.governed.empty() ? "\n" : " (" + p.governed + ")\n";
  }
  t += idealisationText("Idealisation (Priestley, Calvi and Kowalsky 2007): Mn at serviceability",
                        f.idealisation);
  t += idealisationText("The same with the tension steel's yield as first yield", f.bySteelYield);
  if (f.length > 0) {
    t += format("Drift of a cantilever column, L = %g cm\n", f.length);
    if (!f.hasDrift) return t + "  not available: it needs the yield curvature phi_y\n";
    t += format("  Lsp = %.4g cm, k = %.3g, Lp = %.4g cm, delta_y = %.4g cm\n", f.column.Lsp,
                f.column.k, f.column.Lp, f.deltaY);
    const struct {
      const char* name;
      const LimitStateDrift& d;
    } states[] = {{"serviceability", f.serviceability},
                  {"damage control", f.damageControl},
                  {"ultimate", f.ultimate}};
    for (const auto& st : states) {
      t += format("  %-15s delta = %.4g cm, drift %.3f %%, mu_delta = %.3f, V = %.4g T\n", st.name,
                  st.d.delta, 100 * st.d.drift, st.d.muDelta, st.d.V);
    }
  }
  return t;
}

std::string assessmentJson(const SectionData& s, const Curve& c, const AssessmentFigures& f) {
  const MaterialConstants& m = c.constants;
  json j;
  j["model"] = "assessment";
  j["end"] = endName(c.end);
  j["end_words"] = endExplanation(s, c);
  j["section"] = {{"b", s.b}, {"h", s.h}, {"P0", s.P0}, {"fc", s.fc}, {"fy", s.fy}};
  j["constants"] = {{"fcc", m.fcc}, {"ecc", m.ecc}, {"Ec", m.Ec},
                    {"rcc", m.rcc}, {"ecu", m.ecu}, {"esu", m.esu}};
  j["bar_inset_cm"] = c.barInset;
  json layers = json::array();
  for (const BarRow& l : c.layers) {
    layers.push_back({{"depth_cm", l.depth},
                      {"area_cm2", l.area},
                      {"bars", l.bars > 0 ? json(l.bars) : json(nullptr)}});
  }
  const bool explicitBars = !c.layers.empty() && c.layers.front().bars > 0;
  j["layout"] = {{"bars", explicitBars ? "explicit" : "spread"}, {"layers", layers}};
  json rows = json::array();
  for (const CurvePoint& p : c.points) rows.push_back({p.eps, number(p.c), p.phi, p.M});
  j["rows"] = rows;
  json keys = json::object();
  for (const NamedKeyPoint& k : namedKeyPoints(c)) keys[k.name] = keyPointJson(*k.point);
  j["key_points"] = keys;
  j["idealisation"] = idealisationJson(f.idealisation);
  j["idealisation_tension_steel_yield"] = idealisationJson(f.bySteelYield);
  if (f.hasDrift) {
    j["drift"] = {{"L_cm", f.column.L},
                  {"Lsp_cm", f.column.Lsp},
                  {"k", f.column.k},
                  {"Lp_cm", f.column.Lp},
                  {"delta_y_cm", f.deltaY},
                  {"serviceability", limitStateJson(f.serviceability)},
                  {"damage_control", limitStateJson(f.damageControl)},
                  {"ultimate", limitStateJson(f.ultimate)}};
  } else {
    j["drift"] = nullptr;
  }
  return j.dump(2) + "\n";
}

std::string assessmentPlot(const SectionData& s, const Curve& c, const AssessmentFigures& f) {
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = "1/cm";
  p.yName = "Moment M";
  p.yUnit = MPHI_TCM;
  if (c.points.size() <= 1) {
    p.empty = endExplanation(s, c) + "; no curve";
  } else {
    Series curve;
    curve.colour = kCurveColour;
    curve.width = 2.2;
    curve.className = "curve";
    for (const CurvePoint& q : c.points) {
      curve.x.push_back(q.phi);
      curve.y.push_back(q.M);
    }
    p.series.push_back(curve);
    p.legend.push_back({"computed curve (assessment model)", kCurveColour, true, "", Shape::None});
    const Idealisation& i = f.idealisation;
    if (i.available) {
      Series ideal;
      ideal.x = {0, i.phiY, c.keys.ultimate.phi};
      ideal.y = {0, i.Mn, i.Mn};
      ideal.colour = kIdealColour;
      ideal.dash = "3 3";
      ideal.className = "idealisation";
      p.series.push_back(ideal);
      p.legend.push_back({format("bilinear: Mn = %.0f " MPHI_TCM ", " MPHI_PHI
                                 "y = %.4g 1/cm, " MPHI_MU MPHI_PHI " = %.3g",
                                 i.Mn, i.phiY, i.muPhiU),
                          kIdealColour, true, "3 3", Shape::None});
    }
    const std::vector<NamedKeyPoint> keys = namedKeyPoints(c);
    for (std::size_t n = 0; n < keys.size(); ++n) {
      const KeyPoint& k = *keys[n].point;
      if (!k.exists) continue;
      p.markers.push_back({k.phi, k.M, kStyles[n].shape, kStyles[n].colour});
      p.legend.push_back(
          {format("%s: " MPHI_PHI " = %.4g 1/cm, M = %.0f " MPHI_TCM, keys[n].words, k.phi, k.M) +
               (k.governed.empty() ? "" : " (" + k.governed + ")"),
           kStyles[n].colour, false, "", kStyles[n].shape});
    }
  }
  std::vector<Panel> panels = {p};
  if (f.hasDrift) {
    Panel d;
    d.xName = "Top displacement " MPHI_DELTA;
    d.xUnit = "cm";
    d.yName = "Lateral force V";
    d.yUnit = "T";
    Series curve;
    curve.colour = kCurveColour;
    curve.className = "force-displacement";
    for (const DriftPoint& q : f.curve) {
      curve.x.push_back(q.delta);
      curve.y.push_back(q.V);
    }
    d.series.push_back(curve);
    d.legend.push_back(
        {format("cantilever L = %g cm, P0 = %g T (P-" MPHI_DELTA " included)", f.length, s.P0),
         kCurveColour, true, "", Shape::None});
    const struct {
      const char* name;
      const LimitStateDrift& at;
      std::size_t style;
    } states[] = {{"serviceability", f.serviceability, 2},
                  {"damage control", f.damageControl, 4},
                  {"ultimate", f.ultimate, 5}};
    for (const auto& st : states) {
      d.markers.push_back(
          {st.at.delta, st.at.V, kStyles[st.style].shape, kStyles[st.style].colour});
      d.legend.push_back(
          {format("%s: " MPHI_DELTA " = %.3g cm, drift %.2f %%, " MPHI_MU MPHI_DELTA " = %.3g",
                  st.name, st.at.delta, 100 * st.at.drift, st.at.muDelta),
           kStyles[st.style].colour, false, "", kStyles[st.style].shape});
    }
    panels.push_back(d);
  }
  char title[160];
  std::snprintf(title, sizeof title,
                "M-" MPHI_PHI
                " curve, assessment model: b \xC3\x97 h = %g \xC3\x97 %g cm, P0 = %g T",
                s.b, s.h, s.P0);
  return svgPicture(title, panels);
}

}  // namespace mphi
