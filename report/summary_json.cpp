#include "report/summary_json.h"

#include <nlohmann/json.hpp>

namespace mphi {
namespace {

// Keys stay in the order a reader of the file expects.
using json = nlohmann::ordered_json;

const char* endName(CurveEnd end) {
  switch (end) {
    case CurveEnd::KeyPoint:
      return "key_point";
    case CurveEnd::TableFull:
      return "table_full";
    case CurveEnd::NothingComputed:
      break;
  }
  return "nothing_computed";
}

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

json driftJson(const CurveReport& r) {
  if (!r.hasDrift) return nullptr;
  const Drift& d = r.drift;
  return {{"L", d.L},
          {"Lp", d.Lp},
          {"delta_y", d.deltaY},
          {"delta_u", d.deltaU},
          {"mu_delta", d.muDelta},
          {"drift_u", d.driftU},
          {"V_u", d.Vu}};
}

}  // namespace

std::string summaryJson(const SectionFile& f, const CurveReport& r) {
  const CurveSummary& s = r.summary;
  const bool computed = s.end != CurveEnd::NothingComputed;
  json j;
  j["section"] = {{"b", f.b},   {"h", f.h},   {"P0", f.P0},
                  {"fc", f.fc}, {"fy", f.fy}, {"steel_ratio", s.steelRatio}};
  j["rows"] = s.rows;
  j["first_yield"] = s.yielded ? json{{"Ky", f.Ky}, {"My", f.My}} : json(nullptr);
  j["peak"] =
      computed ? json{{"Mu", s.peak.m}, {"phi", s.peak.k}, {"row", s.peak.row}} : json(nullptr);
  j["ultimate"] = computed
                      ? json{{"phi_u", s.ultimate.k}, {"M", s.ultimate.m}, {"row", s.ultimate.row}}
                      : json(nullptr);
  j["end"] = endName(s.end);
  j["caltrans"] = computed ? caltransJson(r.caltrans, s.peak.m) : json(nullptr);
  j["priestley"] = priestleyJson(r.priestley);
  if (r.length > 0) j["drift"] = driftJson(r);
  return j.dump(2) + "\n";
}

}  // namespace mphi
