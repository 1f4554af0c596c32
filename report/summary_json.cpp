#include "report/summary_json.h"

#include <nlohmann/json.hpp>

#include "report/summary_text.h"

namespace mphi {
namespace {

// Keys stay in the order a reader of the file expects.
using json = nlohmann::ordered_json;

json caltransJson(const Caltrans& c, double Mu) {
  if (c.state == CaltransState::NoYield) return nullptr;
  json j = {{"K", c.K},          {"area", c.area},    {"Mp", nullptr},
            {"phi_yi", nullptr}, {"mu_phi", nullptr}, {"overstates", nullptr}};
  if (c.state == CaltransState::Done) {
    j["Mp"] = c.Mp;
    j["phi_yi"] = c.phiYi;
    j["mu_phi"] = c.muPhi;
    j["overstates"] = c.Mp > Mu;
  }
  return j;
}

json priestleyJson(const Priestley& p) {
  if (!p.available) return nullptr;
  json j = {{"Mn", p.Mn}, {"limit", limitName(p.limit)}, {"phi_y", nullptr}, {"mu_phi", nullptr}};
  if (p.yielded) {
    j["phi_y"] = p.phiY;
    j["mu_phi"] = p.muPhi;
  }
  return j;
}

json driftJson(const CurveFigures& f) {
  if (!f.hasDrift) return nullptr;
  const Drift& d = f.drift;
  return {{"L", d.column.L},       {"Lsp", d.column.Lsp}, {"k", d.column.k},
          {"Lp", d.column.Lp},     {"delta_y", d.deltaY}, {"delta_u", d.deltaU},
          {"mu_delta", d.muDelta}, {"drift_u", d.driftU}, {"V_u", d.Vu}};
}

}  // namespace

std::string summaryJson(const SectionData& s, const Curve& c, const CurveFigures& f) {
  const bool any = computed(c);
  const KeyPoint& yield = c.keys.firstYield;
  const KeyPoint& peak = c.keys.peak;
  const KeyPoint& ultimate = c.keys.ultimate;
  json j;
  j["section"] = {{"b", s.b},   {"h", s.h},   {"P0", s.P0},
                  {"fc", s.fc}, {"fy", s.fy}, {"steel_ratio", f.steelRatio}};
  j["rows"] = c.tableRows;
  j["first_yield"] = yield.exists ? json{{"Ky", yield.phi}, {"My", yield.M}} : json(nullptr);
  j["peak"] = any ? json{{"Mu", peak.M}, {"phi", peak.phi}, {"row", peak.row}} : json(nullptr);
  j["ultimate"] =
      any ? json{{"phi_u", ultimate.phi}, {"M", ultimate.M}, {"row", ultimate.row}} : json(nullptr);
  j["end"] = c.end == CurveEnd::NotKnown ? json(nullptr) : json(endName(c.end));
  j["end_words"] = endExplanation(s, c);
  const std::string note = figuresNote(s, c, f.tooFewRows);
  j["note"] = note.empty() ? json(nullptr) : json(note);
  j["caltrans"] = any && !f.tooFewRows ? caltransJson(f.caltrans, peak.M) : json(nullptr);
  j["priestley"] = f.tooFewRows ? json(nullptr) : priestleyJson(f.priestley);
  if (f.length > 0) j["drift"] = driftJson(f);
  return j.dump(2) + "\n";
}

}  // namespace mphi
