// The assessment model in the table: its curve to exactly located limit
// states, their idealisation and the drift at each.
#include <nlohmann/json.hpp>

#include "assessment/assessment_model.h"
#include "charts/svg_chart.h"
#include "model/model_table.h"
#include "report/capacity_report.h"
#include "report/limit_state_report.h"

namespace mphi {
namespace {

using Q = Quantity;
constexpr char kName[] = "assessment";
constexpr char kWords[] = "assessment model";

ResultCell value(bool exists, double v) {
  return {"", exists, v, false};
}

const KeyPoints& keys(const SectionResult& r) {
  return r.curve.keys;
}
const Idealisation& ideal(const SectionResult& r) {
  return r.limitStates.idealisation;
}

std::string json(const SectionResult& r, const Units& u) {
  return limitStateJson(r.section, r.curve, r.limitStates, kName, u);
}

// One part of the report, as Python's key points and idealisation.
std::string part(const SectionResult& r, const Units& u, const char* name) {
  return nlohmann::ordered_json::parse(json(r, u))[name].dump();
}

std::vector<FigureRow> figureRows(const SectionResult& r, const Units& u) {
  const std::string M = u.key(Q::Moment), K = u.key(Q::Curvature), L = u.key(Q::Length);
  const std::string moment = u.picture(Q::Moment), curvature = u.picture(Q::Curvature);
  std::vector<FigureRow> rows;
  const struct {
    const char* key;
    const char* title;
    const KeyPoint& point;
  } points[] = {{"first_yield", "First yield", keys(r).firstYield},
                {"serviceability", "Serviceability", keys(r).serviceability},
                {"peak", "Peak", keys(r).peak},
                {"damage_control", "Damage control", keys(r).damageControl},
                {"ultimate", "Ultimate", keys(r).ultimate},
                {"strength_loss", "Strength loss", keys(r).strengthLoss}};
  for (const auto& p : points) {
    const std::string at = std::string("/key_points/") + p.key + "/";
    const bool governed = p.point.exists && !p.point.governed.empty();
    rows.push_back(
        {p.title + (governed ? std::string(", by ") + governedWords(p.point.governed) : ""),
         "M (" + moment + ")", std::string("a-") + p.key + "-M", at + "M_" + M, 6});
    rows.push_back({"", MPHI_PHI " (" + curvature + ")", std::string("a-") + p.key + "-phi",
                    at + "phi_" + K, 5});
  }
  rows.push_back(
      {"Idealisation", MPHI_PHI "y (" + curvature + ")", "a-phi-y", "/idealisation/phi_y_" + K, 5});
  rows.push_back(
      {"", MPHI_MU MPHI_PHI " at damage control", "a-mu-phi-dc", "/idealisation/mu_phi_dc", 4});
  rows.push_back({"", MPHI_MU MPHI_PHI " at ultimate", "a-mu-phi-u", "/idealisation/mu_phi_u", 4});
  if (r.limitStates.hasDrift) {
    for (const auto& [key, title] :
         {std::pair<const char*, const char*>{"damage_control", "Drift at damage control"},
          {"ultimate", "Drift at ultimate"}}) {
      const std::string at = std::string("/drift/") + key + "/";
      rows.push_back({title, MPHI_DELTA " (" + u.picture(Q::Length) + ")",
                      std::string("a-delta-") + key, at + "delta_" + L, 4});
      rows.push_back({"", "drift (%)", std::string("a-drift-") + key, at + "drift", 3, 100});
      rows.push_back(
          {"", MPHI_MU MPHI_DELTA, std::string("a-mu-delta-") + key, at + "mu_delta", 4});
    }
  }
  for (const FigureRow& c : capacityRows(r.limitStates.capacity, "a-", u)) rows.push_back(c);
  return rows;
}

// From how the curve ended on.
std::vector<ResultColumn> columns() {
  return {
      {"end", std::nullopt, [](const SectionResult& r) { return wordCell(endName(r.curve.end)); }},
      {"rows", std::nullopt,
       [](const SectionResult& r) { return wordCell(std::to_string(r.curve.tableRows)); }},
      {"first_yield_by", std::nullopt,
       [](const SectionResult& r) {
         return wordCell(keys(r).firstYield.exists ? keys(r).firstYield.governed : "");
       }},
      {"My", Q::Moment,
       [](const SectionResult& r) {
         return value(keys(r).firstYield.exists, keys(r).firstYield.M);
       }},
      {"Ky", Q::Curvature,
       [](const SectionResult& r) {
         return value(keys(r).firstYield.exists, keys(r).firstYield.phi);
       }},
      {"Mn", Q::Moment,
       [](const SectionResult& r) {
         return value(keys(r).serviceability.exists, keys(r).serviceability.M);
       }},
      {"phi_y", Q::Curvature,
       [](const SectionResult& r) { return value(ideal(r).available, ideal(r).phiY); }},
      {"Mu", Q::Moment,
       [](const SectionResult& r) { return value(keys(r).peak.exists, keys(r).peak.M); }},
      {"phi_u", Q::Curvature,
       [](const SectionResult& r) { return value(keys(r).ultimate.exists, keys(r).ultimate.phi); }},
      {"M_u", Q::Moment,
       [](const SectionResult& r) { return value(keys(r).ultimate.exists, keys(r).ultimate.M); }},
      {"mu_phi_dc", std::nullopt,
       [](const SectionResult& r) { return value(ideal(r).available, ideal(r).muPhiDc); }},
      {"mu_phi_u", std::nullopt,
       [](const SectionResult& r) { return value(ideal(r).available, ideal(r).muPhiU); }},
      {"drift_dc", std::nullopt,
       [](const SectionResult& r) {
         return value(r.limitStates.hasDrift, r.limitStates.damageControl.drift);
       }},
      {"drift_u", std::nullopt,
       [](const SectionResult& r) {
         return value(r.limitStates.hasDrift, r.limitStates.ultimate.drift);
       }},
      {"mu_delta_u", std::nullopt,
       [](const SectionResult& r) {
         return value(r.limitStates.hasDrift, r.limitStates.ultimate.muDelta);
       }},
      {"V_u", Q::Force,
       [](const SectionResult& r) {
         return value(r.limitStates.hasDrift, r.limitStates.ultimate.V);
       }},
  };
}

std::vector<CapacityLine> capacities() {
  return {
      {"Mn (serviceability)", "mn", "#1e8449", "3 3",
       [](const SectionResult& r, double& M) {
         M = keys(r).serviceability.M;
         return keys(r).serviceability.exists;
       }},
      {"M at damage control", "mdc", "#c0392b", "8 5",
       [](const SectionResult& r, double& M) {
         M = keys(r).damageControl.M;
         return keys(r).damageControl.exists;
       }},
  };
}

}  // namespace

ModelEntry assessmentModelEntry() {
  ModelEntry m;
  m.model = Model::Assessment;
  m.name = kName;
  m.words = kWords;
  m.help = "the assessment model, for deformation capacity";
  m.writesSection = false;
  m.takesBars = true;
  m.checkRequest = checkBarCounts;
  m.checkFit = checkBarsFit;
  m.trace = [](const SectionData& s, const Analysis& a) { return assessmentCurve(s, a); };
  m.reported = [](const SectionData& s, const Curve& c) { return SectionFile{s, c}; };
  m.figures = [](SectionResult& r) {
    const LimitStateFigures& f = r.limitStates = limitStateFigures(r.section, r.curve, r.analysis);
    if (!f.hasDrift) return;
    const std::string beyond =
        stabilityWarning(f.capacity, {{"serviceability", f.serviceability.drift},
                                      {"damage control", f.damageControl.drift},
                                      {"ultimate", f.ultimate.drift}});
    if (!beyond.empty()) r.warnings.push_back({"drift", beyond});
  };
  m.columns = columns();
  for (const ResultColumn& c : capacityColumns()) m.columns.push_back(c);
  m.capacity = [](const SectionResult& r) -> const DriftCapacity& {
    return r.limitStates.capacity;
  };
  m.json = json;
  m.text = [](const SectionResult& r, const Units& u) {
    return limitStateText(r.section, r.curve, r.limitStates, kWords, u);
  };
  m.plot = [](const SectionResult& r, const Units& u) {
    return limitStatePlot(r.section, r.curve, r.limitStates, kWords, u);
  };
  m.keyPointsJson = [](const SectionResult& r, const Units& u) { return part(r, u, "key_points"); };
  m.idealisationJson = [](const SectionResult& r, const Units& u) {
    return part(r, u, "idealisation");
  };
  m.capacities = capacities();
  m.colour = "#1f4e9a";
  m.figureRows = figureRows;
  m.endAttribute = "assessmentEnd";
  m.files = {{"assessment CSV", "assessment.csv", "csv"},
             {"assessment JSON", "assessment.json", "report"},
             {"assessment SVG", "assessment.svg", "svg"},
             {"assessment P-M SVG", "assessment-interaction.svg", "interaction_svg"},
             {"assessment sweep CSV", "assessment-sweep.csv", "sweep_csv"}};
  return m;
}

}  // namespace mphi
