#include "report/summary_json.h"

#include <nlohmann/json.hpp>

#include "report/capacity_report.h"
#include "report/summary_text.h"

namespace mphi {
namespace {

// Keys stay in the order a reader of the file expects.
using json = nlohmann::ordered_json;

json caltransJson(const Caltrans& c, double Mu, const Units& u) {
  if (c.state == CaltransState::NoYield) return nullptr;
  json j = {{"K", u.in(Quantity::Stiffness, c.K)},
            {"area", u.in(Quantity::Force, c.area)},
            {"Mp", nullptr},
            {"phi_yi", nullptr},
            {"mu_phi", nullptr},
            {"overstates", nullptr}};
  if (c.state == CaltransState::Done) {
    j["Mp"] = u.in(Quantity::Moment, c.Mp);
    j["phi_yi"] = u.in(Quantity::Curvature, c.phiYi);
    j["mu_phi"] = c.muPhi;
    j["overstates"] = c.Mp > Mu;
  }
  return j;
}

json priestleyJson(const Priestley& p, const Units& u) {
  if (!p.available) return nullptr;
  json j = {{"Mn", u.in(Quantity::Moment, p.Mn)},
            {"limit", limitName(p.limit)},
            {"phi_y", nullptr},
            {"mu_phi", nullptr}};
  if (p.yielded) {
    j["phi_y"] = u.in(Quantity::Curvature, p.phiY);
    j["mu_phi"] = p.muPhi;
  }
  return j;
}

json driftJson(const CurveFigures& f, const Units& u) {
  if (!f.hasDrift) return nullptr;
  const Drift& d = f.drift;
  const std::optional<double>& stability = f.capacity.stability;
  auto length = [&u](double v) { return u.in(Quantity::Length, v); };
  return {{"L", length(d.column.L)},
          {"Lsp", length(d.column.Lsp)},
          {"k", d.column.k},
          {"Lp", length(d.column.Lp)},
          {"delta_y", length(d.deltaY)},
          {"delta_u", length(d.deltaU)},
          {"mu_delta", d.muDelta},
          {"drift_u", d.driftU},
          {"V_u", u.in(Quantity::Force, d.Vu)},
          {"stability_drift", stability ? json(*stability) : json(nullptr)},
          {"beyond_stability", !beyondStability(stability, {{"", d.driftU}}).empty()}};
}

}  // namespace

std::string summaryJson(const SectionData& s, const Curve& c, const CurveFigures& f,
                        const Units& u) {
  using Q = Quantity;
  const bool any = computed(c);
  const KeyPoint& yield = c.keys.firstYield;
  const KeyPoint& peak = c.keys.peak;
  const KeyPoint& ultimate = c.keys.ultimate;
  json j;
  j["units"] = unitsName(u.system);
  j["section"] = {{"b", u.in(Q::Length, s.b)},   {"h", u.in(Q::Length, s.h)},
                  {"P0", u.in(Q::Force, s.P0)},  {"fc", u.in(Q::Stress, s.fc)},
                  {"fy", u.in(Q::Stress, s.fy)}, {"steel_ratio", f.steelRatio}};
  j["rows"] = c.tableRows;
  j["first_yield"] =
      yield.exists ? json{{"Ky", u.in(Q::Curvature, yield.phi)}, {"My", u.in(Q::Moment, yield.M)}}
                   : json(nullptr);
  j["peak"] = any ? json{{"Mu", u.in(Q::Moment, peak.M)},
                         {"phi", u.in(Q::Curvature, peak.phi)},
                         {"row", peak.row}}
                  : json(nullptr);
  j["ultimate"] = any ? json{{"phi_u", u.in(Q::Curvature, ultimate.phi)},
                             {"M", u.in(Q::Moment, ultimate.M)},
                             {"row", ultimate.row}}
                      : json(nullptr);
  j["end"] = c.end == CurveEnd::NotKnown ? json(nullptr) : json(endName(c.end));
  j["end_words"] = endExplanation(s, c, u);
  const std::string note = figuresNote(s, c, f.tooFewRows, u);
  j["note"] = note.empty() ? json(nullptr) : json(note);
  j["caltrans"] = any && !f.tooFewRows ? caltransJson(f.caltrans, peak.M, u) : json(nullptr);
  j["priestley"] = f.tooFewRows ? json(nullptr) : priestleyJson(f.priestley, u);
  j["drift"] = f.length > 0 ? driftJson(f, u) : json(nullptr);  // null: no length
  j["shear"] = shearJson(f.capacity, u);
  j["capacity"] = capacityJson(f.capacity, u);
  return j.dump(2) + "\n";
}

}  // namespace mphi
