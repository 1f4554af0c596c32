#include "report/limit_state_report.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "charts/svg_chart.h"
#include "report/capacity_report.h"
#include "report/summary_text.h"
#include "textio/formatted.h"

namespace mphi {
namespace {

using json = nlohmann::ordered_json;

// A number, or null where it is not one (the origin has no neutral axis).
json number(double v) {
  return std::isfinite(v) ? json(v) : json(nullptr);
}

using Q = Quantity;

// `s` and `c` already in the units `u`.
std::string barsText(const SectionData& s, const Curve& c, const Units& u) {
  if (c.shape == SectionShape::Circular) {
    int bars = 0;
    for (const BarRow& l : c.layers) bars += l.bars;
    return formatted("%d bars of %g ", bars, s.dcm) + u.text(Q::Length) + " round a circle";
  }
  const bool explicitBars = !c.layers.empty() && c.layers.front().bars > 0;
  if (!explicitBars) {
    double area = 0;
    for (const BarRow& l : c.layers) area += l.area;
    return formatted("main steel b h r = %.4g ", area) + u.text(Q::Area) +
           " spread along the faces";
  }
  const int side = static_cast<int>(c.layers.size()) - 2;
  return formatted("%d bars on each face, %d on each side, %g ", c.layers.front().bars, side,
                   s.dcm) +
         u.text(Q::Length);
}

std::string idealisationText(const char* title, const Idealisation& i, const Units& u) {
  std::string t = std::string(title) + "\n";
  if (!i.available) return t + "  not available: " + i.reason + "\n";
  const std::string moment = u.text(Q::Moment), curvature = u.text(Q::Curvature);
  t += formatted("  My = %.7g ", i.My) + moment + formatted(", Ky = %.7g ", i.Ky) + curvature +
       formatted(", Mn = %.7g ", i.Mn) + moment + "\n";
  t += formatted("  phi_y = Ky Mn / My = %.7g ", i.phiY) + curvature + "\n";
  t += formatted("  mu_phi = %.3f at damage control, %.3f at ultimate\n", i.muPhiDc, i.muPhiU);
  return t;
}

json keyPointJson(const KeyPoint& k, const Units& u) {
  if (!k.exists) return nullptr;
  return {{"governed", k.governed.empty() ? json(nullptr) : json(k.governed)},
          {"eps_fibre", k.eps},
          {"c_" + u.key(Q::Length), number(k.c)},
          {"phi_" + u.key(Q::Curvature), k.phi},
          {"M_" + u.key(Q::Moment), k.M},
          {"eps_core", k.epsCore},
          {"eps_tension_steel", k.epsTension}};
}

json idealisationJson(const Idealisation& i, const Units& u) {
  if (!i.available) return {{"reason", i.reason}};
  return {{"My_" + u.key(Q::Moment), i.My}, {"Ky_" + u.key(Q::Curvature), i.Ky},
          {"Mn_" + u.key(Q::Moment), i.Mn}, {"phi_y_" + u.key(Q::Curvature), i.phiY},
          {"mu_phi_dc", i.muPhiDc},         {"mu_phi_u", i.muPhiU}};
}

json driftStateJson(const LimitStateDrift& d, const std::optional<double>& stability,
                    const Units& u) {
  return {{"delta_" + u.key(Q::Length), d.delta},
          {"drift", d.drift},
          {"mu_delta", d.muDelta},
          {"V_" + u.key(Q::Force), d.V},
          {"beyond_stability", !beyondStability(stability, {{"", d.drift}}).empty()}};
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
                               {Shape::Triangle, "#c0392b"}, {Shape::Triangle, "#111111"},
                               {Shape::Diamond, "#e67e22"}};

}  // namespace

const char* governedWords(const std::string& governed) {
  static const struct {
    const char* code;
    const char* words;
  } kWords[] = {{"core ecu", "core crushing (" MPHI_EPSILON "cu)"},
                {"steel ey", "steel yield (" MPHI_EPSILON "y)"},
                {"extreme fibre 0.002", "extreme fibre at 0.002"},
                {"cover 0.004", "cover at 0.004"},
                {"steel 0.015", "steel at 0.015"},
                {"steel 0.6 esu", "steel at 0.6 " MPHI_EPSILON "su"},
                {"tension bars esu", "tension bar fracture (" MPHI_EPSILON "su)"},
                {"compression bars esu", "compression bar fracture (" MPHI_EPSILON "su)"}};
  for (const auto& w : kWords) {
    if (governed == w.code) return w.words;
  }
  return governed.c_str();
}

std::vector<NamedKeyPoint> namedKeyPoints(const Curve& c) {
  const KeyPoints& k = c.keys;
  return {{"first_yield", "first yield", &k.firstYield},
          {"tension_steel_yield", "tension steel yield", &k.tensionSteelYield},
          {"serviceability", "serviceability", &k.serviceability},
          {"peak", "peak", &k.peak},
          {"damage_control", "damage control", &k.damageControl},
          {"ultimate", "ultimate", &k.ultimate},
          {"strength_loss", "strength loss", &k.strengthLoss}};
}

namespace {

// The section's lines: its size and strengths, its bars, its confinement;
// `s` and `c` in the report's units, `ties` as worked out.
std::string sectionLines(const SectionData& s, const Curve& c, const TieRatios& ties,
                         const Units& u) {
  const MaterialConstants& m = c.constants;
  const std::string length = u.text(Q::Length), stress = u.text(Q::Stress);
  std::string t =
      (c.shape == SectionShape::Circular
           ? formatted("  circular, D = %g ", s.h) + length
           : formatted("  b = %g ", s.b) + length + formatted(", h = %g ", s.h) + length) +
      formatted(", P0 = %g ", s.P0) + u.text(Q::Force) + formatted(", fc = %g ", s.fc) + stress +
      formatted(", fy = %g ", s.fy) + stress + "\n";
  t += "  " + barsText(s, c, u) + formatted(", bar centres %.4g ", c.barInset) + length +
       " inside the faces\n";
  t += formatted("  fcc = %.6g MPa, ecc = %.6g, ecu = %.6g, esu = %.6g\n", m.fcc, m.ecc, m.ecu,
                 m.esu);
  // A spiral or hoop has one ratio; ties have one in each direction.
  const std::string byDirection =
      c.shape == SectionShape::Circular
          ? ""
          : formatted("rho_b = %.4g, rho_h = %.4g, ", ties.rhoB, ties.rhoH);
  return t + formatted("  confinement %s: ke = %.4g, ", confinementName(m.confinement), m.ke) +
         byDirection + formatted("rho_s = %.4g, fl = %.4g MPa\n", m.rhoS, m.fl);
}

}  // namespace

std::string limitStateText(const SectionData& section, const Curve& curve,
                           const LimitStateFigures& figures, const char* words, const Units& u) {
  const Curve c = inUnits(curve, u);
  const LimitStateFigures f = inUnits(figures, u);
  const std::string length = u.text(Q::Length), force = u.text(Q::Force);
  std::string t = "Section (units " + force + ", " + length + "), " + words + "\n" +
                  sectionLines(inUnits(section, u), c, figures.capacity.ties, u);
  t += "Curve\n";
  if (c.points.size() <= 1 && c.end == CurveEnd::NoEquilibrium) {
    return t + "  " + endExplanation(section, curve, u) + ": no uniform strain carries the load\n";
  }
  t += formatted("  %d rows from the uniform strain %.6g that carries P0; ended: ", c.tableRows,
                 c.points.front().eps) +
       endExplanation(section, curve, u) + "\n";
  t += "Key points (fibre strain, curvature " + u.text(Q::Curvature) + ", moment " +
       u.text(Q::Moment) + ")\n";
  for (const NamedKeyPoint& k : namedKeyPoints(c)) {
    const KeyPoint& p = *k.point;
    if (!p.exists) {
      t += formatted("  %-20s not reached\n", k.words);
      continue;
    }
    t += formatted("  %-20s eps %.6g, phi %.6g, M %.6g", k.words, p.eps, p.phi, p.M);
    t += p.governed.empty() ? "\n" : std::string(", by ") + governedWords(p.governed) + "\n";
  }
  t += idealisationText("Idealisation (Priestley, Calvi and Kowalsky 2007): Mn at serviceability",
                        f.idealisation, u);
  t +=
      idealisationText("The same with the tension steel's yield as first yield", f.bySteelYield, u);
  if (f.length > 0) {
    t += formatted("Drift of a cantilever column, L = %g ", f.length) + length + "\n";
    if (!f.hasDrift) {
      t += "  not available: it needs the yield curvature phi_y\n";
      return t + capacityText(figures.capacity, "damage control", u);
    }
    t += formatted("  Lsp = %.4g ", f.column.Lsp) + length + formatted(", k = %.3g", f.column.k) +
         formatted(", Lp = %.4g ", f.column.Lp) + length +
         formatted(", delta_y = %.4g ", f.deltaY) + length + "\n";
    const struct {
      const char* name;
      const LimitStateDrift& d;
    } states[] = {{"serviceability", f.serviceability},
                  {"damage control", f.damageControl},
                  {"ultimate", f.ultimate}};
    for (const auto& st : states) {
      t += formatted("  %-15s delta = %.4g ", st.name, st.d.delta) + length +
           formatted(", drift %.3f %%, mu_delta = %.3f, V = %.4g ", 100 * st.d.drift, st.d.muDelta,
                     st.d.V) +
           force + "\n";
    }
    t += stabilityText(f.capacity, {{"serviceability", f.serviceability.drift},
                                    {"damage control", f.damageControl.drift},
                                    {"ultimate", f.ultimate.drift}});
    t += capacityText(figures.capacity, "damage control", u);
  }
  return t;
}

std::string limitStateJson(const SectionData& s, const Curve& curve,
                           const LimitStateFigures& figures, const char* name, const Units& u) {
  const Curve c = inUnits(curve, u);
  const LimitStateFigures f = inUnits(figures, u);
  const MaterialConstants& m = c.constants;
  const std::string length = u.key(Q::Length);
  json j;
  j["model"] = name;
  j["units"] = unitsName(u.system);
  j["end"] = endName(c.end);
  j["end_words"] = endExplanation(s, curve, u);
  const bool circle = c.shape == SectionShape::Circular;
  j["section"] = circle ? json{{"shape", shapeName(c.shape)}, {"D", u.in(Q::Length, s.h)}}
                        : json{{"b", u.in(Q::Length, s.b)}, {"h", u.in(Q::Length, s.h)}};
  j["section"]["P0"] = u.in(Q::Force, s.P0);
  j["section"]["fc"] = u.in(Q::Stress, s.fc);
  j["section"]["fy"] = u.in(Q::Stress, s.fy);
  j["constants"] = {{"fcc", m.fcc}, {"ecc", m.ecc}, {"Ec", m.Ec},
                    {"rcc", m.rcc}, {"ecu", m.ecu}, {"esu", m.esu}};
  j["confinement"] = confinementJson(m, figures.capacity.ties);
  j["bar_inset_" + length] = c.barInset;
  json layers = json::array();
  for (const BarRow& l : c.layers) {
    layers.push_back({{"depth_" + length, l.depth},
                      {"area_" + u.key(Q::Area), l.area},
                      {"bars", l.bars > 0 ? json(l.bars) : json(nullptr)}});
  }
  const bool explicitBars = !c.layers.empty() && c.layers.front().bars > 0;
  j["layout"] = {{"bars", circle         ? "circle"
                          : explicitBars ? "explicit"
                                         : "spread"},
                 {"layers", layers}};
  json rows = json::array();
  for (const CurvePoint& p : c.points) rows.push_back({p.eps, number(p.c), p.phi, p.M});
  j["rows"] = rows;
  json keys = json::object();
  for (const NamedKeyPoint& k : namedKeyPoints(c)) keys[k.name] = keyPointJson(*k.point, u);
  j["key_points"] = keys;
  j["idealisation"] = idealisationJson(f.idealisation, u);
  j["idealisation_tension_steel_yield"] = idealisationJson(f.bySteelYield, u);
  if (f.hasDrift) {
    j["drift"] = {
        {"L_" + length, f.column.L},
        {"Lsp_" + length, f.column.Lsp},
        {"k", f.column.k},
        {"Lp_" + length, f.column.Lp},
        {"delta_y_" + length, f.deltaY},
        {"serviceability", driftStateJson(f.serviceability, f.capacity.stability, u)},
        {"damage_control", driftStateJson(f.damageControl, f.capacity.stability, u)},
        {"ultimate", driftStateJson(f.ultimate, f.capacity.stability, u)},
        {"stability_drift", f.capacity.stability ? json(*f.capacity.stability) : json(nullptr)}};
  } else {
    j["drift"] = nullptr;
  }
  j["shear"] = shearJson(figures.capacity, u);
  j["capacity"] = capacityJson(figures.capacity, u);
  return j.dump(2) + "\n";
}

namespace {

// Whole T.cm, four digits in the larger units.
const char* momentDigits(const Units& u) {
  return u.base() ? "%.0f " : "%.4g ";
}

// The curve, its idealisation and its key points; `c` and `f` in the
// units.
Panel momentCurvature(const SectionData& section, const Curve& curve, const Curve& c,
                      const LimitStateFigures& f, const char* words, const Units& u) {
  const std::string moment = u.picture(Q::Moment), curvature = u.picture(Q::Curvature);
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = curvature;
  p.yName = "Moment M";
  p.yUnit = moment;
  if (c.points.size() <= 1) {
    p.empty = endExplanation(section, curve, u) + "; no curve";
    return p;
  }
  Series line;
  line.colour = kCurveColour;
  line.width = 2.2;
  line.className = "curve";
  for (const CurvePoint& q : c.points) {
    line.x.push_back(q.phi);
    line.y.push_back(q.M);
  }
  p.series.push_back(line);
  p.legend.push_back(
      {std::string("computed curve (") + words + ")", kCurveColour, true, "", Shape::None});
  const Idealisation& i = f.idealisation;
  if (i.available) {
    Series ideal;
    ideal.x = {0, i.phiY, c.keys.ultimate.phi};
    ideal.y = {0, i.Mn, i.Mn};
    ideal.colour = kIdealColour;
    ideal.dash = "3 3";
    ideal.className = "idealisation";
    p.series.push_back(ideal);
    p.legend.push_back({"bilinear: Mn = " + formatted(momentDigits(u), i.Mn) + moment +
                            formatted(", " MPHI_PHI "y = %.4g ", i.phiY) + curvature +
                            formatted(", " MPHI_MU MPHI_PHI " = %.3g", i.muPhiU),
                        kIdealColour, true, "3 3", Shape::None});
  }
  const std::vector<NamedKeyPoint> keys = namedKeyPoints(c);
  for (std::size_t n = 0; n < keys.size(); ++n) {
    const KeyPoint& k = *keys[n].point;
    if (!k.exists) continue;
    p.markers.push_back({k.phi, k.M, kStyles[n].shape, kStyles[n].colour, ""});
    p.legend.push_back(
        {formatted("%s: " MPHI_PHI " = %.4g ", keys[n].words, k.phi) + curvature +
             ", M = " + formatted(momentDigits(u), k.M) + moment +
             (k.governed.empty() ? "" : std::string(", by ") + governedWords(k.governed)),
         kStyles[n].colour, false, "", kStyles[n].shape});
  }
  return p;
}

// The cantilever's lateral force against its top displacement, with the
// limit states; `s` and `f` in the units.
Panel forceDisplacement(const SectionData& s, const LimitStateFigures& f,
                        const DriftCapacity& capacity, const Units& u) {
  const std::string length = u.picture(Q::Length), force = u.picture(Q::Force);
  Panel d;
  d.xName = "Top displacement " MPHI_DELTA;
  d.xUnit = length;
  d.yName = "Lateral force V";
  d.yUnit = force;
  Series line;
  line.colour = kCurveColour;
  line.className = "force-displacement";
  for (const DriftPoint& q : f.curve) {
    line.x.push_back(q.delta);
    line.y.push_back(q.V);
  }
  d.series.push_back(line);
  d.legend.push_back({formatted("cantilever L = %g ", f.length) + length +
                          formatted(", P0 = %g ", s.P0) + force + " (P-" MPHI_DELTA " included)",
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
        {st.at.delta, st.at.V, kStyles[st.style].shape, kStyles[st.style].colour, ""});
    d.legend.push_back({formatted("%s: " MPHI_DELTA " = %.3g ", st.name, st.at.delta) + length +
                            formatted(", drift %.2f %%, " MPHI_MU MPHI_DELTA " = %.3g",
                                      100 * st.at.drift, st.at.muDelta),
                        kStyles[st.style].colour, false, "", kStyles[st.style].shape});
  }
  markCapacity(d, capacity, line.x, line.y, f.length);
  return d;
}

}  // namespace

std::string limitStatePlot(const SectionData& section, const Curve& curve,
                           const LimitStateFigures& figures, const char* words, const Units& u) {
  const SectionData s = inUnits(section, u);
  const LimitStateFigures f = inUnits(figures, u);
  std::vector<Panel> panels = {momentCurvature(section, curve, inUnits(curve, u), f, words, u)};
  if (f.hasDrift) panels.push_back(forceDisplacement(s, f, figures.capacity, u));
  return svgPicture(formatted("M-" MPHI_PHI " curve, %s: ", words) + sizeWords(s, curve.shape) +
                        " " + u.picture(Q::Length) + formatted(", P0 = %g ", s.P0) +
                        u.picture(Q::Force),
                    panels);
}

}  // namespace mphi
