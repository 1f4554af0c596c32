// mphi's own model in the table: its curve as SECTION holds it, the
// Caltrans and Priestley idealisations, the drift at the last row.
#include <nlohmann/json.hpp>

#include "analysis/specified_model.h"
#include "charts/svg_chart.h"
#include "figures/figure_rows.h"
#include "model/model_table.h"
#include "report/capacity_report.h"
#include "report/summary_json.h"
#include "report/summary_text.h"
#include "report/svg_plot.h"
#include "section_file/section_reader.h"

namespace mphi {
namespace {

using Q = Quantity;

// One of SECTION's floats.
ResultCell single(bool exists, double v) {
  return {"", exists, v, true};
}
ResultCell wide(bool exists, double v) {
  return {"", exists, v, false};
}

const KeyPoints& keys(const SectionResult& r) {
  return r.reported.curve.keys;
}
bool caltrans(const SectionResult& r) {
  return r.figures.caltrans.state == CaltransState::Done;
}

std::optional<Fault> checkRequest(const Analysis& a) {
  if (a.shape != SectionShape::Rectangular) {
    return Fault{"shape", shapeName(a.shape),
                 "the specified model is of rectangular sections: a circular one needs the "
                 "assessment model"};
  }
  if (!a.bars) return std::nullopt;
  return faultOf("bars_face", a.bars->face,
                 "bar counts are for the assessment model; the specified model spreads the "
                 "steel b h r along the faces");
}

// The summary's own parts, as Python's key points and idealisations.
std::string parts(const SectionResult& r, const Units& u,
                  std::initializer_list<const char*> names) {
  const nlohmann::ordered_json summary = nlohmann::ordered_json::parse(
      summaryJson(r.reported.section, r.reported.curve, r.figures, u));
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const char* name : names) out[name] = summary[name];
  return out.dump();
}

std::vector<FigureRow> figureRows(const SectionResult& r, const Units& u) {
  const std::string T = u.picture(Q::Moment), K = u.picture(Q::Curvature), L = u.picture(Q::Length);
  const CurveFigures& f = r.figures;
  const bool priestley = !f.tooFewRows && f.priestley.available;
  std::vector<FigureRow> rows = {
      {"First yield", "Ky (" + K + ")", "Ky", "/first_yield/Ky", 5},
      {"", "My (" + T + ")", "My", "/first_yield/My", 6},
      {"Peak", "Mu (" + T + ")", "Mu", "/peak/Mu", 6},
      {"Ultimate", MPHI_PHI "u (" + K + ")", "phi-u", "/ultimate/phi_u", 5},
      {"Caltrans", "Mp (" + T + ")", "Mp", "/caltrans/Mp", 6},
      {"", MPHI_PHI "yi (" + K + ")", "phi-yi", "/caltrans/phi_yi", 5},
      {"", MPHI_MU MPHI_PHI, "mu-caltrans", "/caltrans/mu_phi", 4},
      {"Priestley", "Mn (" + T + "), " + (priestley ? limitName(f.priestley.limit) : ""), "Mn",
       "/priestley/Mn", 6},
      {"", MPHI_PHI "y (" + K + ")", "phi-y", "/priestley/phi_y", 5},
      {"", MPHI_MU MPHI_PHI, "mu-priestley", "/priestley/mu_phi", 4},
  };
  if (f.hasDrift) {
    const std::vector<FigureRow> drift = {
        {"Drift", "Lp (" + L + ")", "Lp", "/drift/Lp", 4},
        {"", MPHI_DELTA "y (" + L + ")", "delta-y", "/drift/delta_y", 4},
        {"", MPHI_DELTA "u (" + L + ")", "delta-u", "/drift/delta_u", 4},
        {"", MPHI_MU MPHI_DELTA, "mu-delta", "/drift/mu_delta", 4},
        {"", "drift " MPHI_DELTA "u/L (%)", "drift", "/drift/drift_u", 3, 100},
        {"", "V at " MPHI_PHI "u (" + u.picture(Q::Force) + ")", "V-u", "/drift/V_u", 4}};
    rows.insert(rows.end(), drift.begin(), drift.end());
  }
  for (const FigureRow& c : capacityRows(f.capacity, "", u)) rows.push_back(c);
  const std::string note = figuresNote(r.reported.section, r.reported.curve, f.tooFewRows, u);
  if (!note.empty()) rows.push_back({"Note", note, "note", "", 1});
  return rows;
}

// From how the curve ended on.
std::vector<ResultColumn> columns() {
  return {
      {"end", std::nullopt, [](const SectionResult& r) { return wordCell(endName(r.curve.end)); }},
      {"rows", std::nullopt,
       [](const SectionResult& r) { return wordCell(std::to_string(r.curve.tableRows)); }},
      {"Ky", Q::Curvature,
       [](const SectionResult& r) {
         return single(keys(r).firstYield.exists, keys(r).firstYield.phi);
       }},
      {"My", Q::Moment,
       [](const SectionResult& r) {
         return single(keys(r).firstYield.exists, keys(r).firstYield.M);
       }},
      {"Mu", Q::Moment,
       [](const SectionResult& r) { return single(computed(r.reported.curve), keys(r).peak.M); }},
      {"phi_Mu", Q::Curvature,
       [](const SectionResult& r) { return single(computed(r.reported.curve), keys(r).peak.phi); }},
      {"phi_u", Q::Curvature,
       [](const SectionResult& r) {
         return single(computed(r.reported.curve), keys(r).ultimate.phi);
       }},
      {"Mp", Q::Moment,
       [](const SectionResult& r) { return wide(caltrans(r), r.figures.caltrans.Mp); }},
      {"phi_yi", Q::Curvature,
       [](const SectionResult& r) { return wide(caltrans(r), r.figures.caltrans.phiYi); }},
      {"mu_phi_caltrans", std::nullopt,
       [](const SectionResult& r) { return wide(caltrans(r), r.figures.caltrans.muPhi); }},
      {"Mn", Q::Moment,
       [](const SectionResult& r) {
         return wide(r.figures.priestley.available, r.figures.priestley.Mn);
       }},
      {"phi_y", Q::Curvature,
       [](const SectionResult& r) {
         return wide(r.figures.priestley.yielded, r.figures.priestley.phiY);
       }},
      {"mu_phi_priestley", std::nullopt,
       [](const SectionResult& r) {
         return wide(r.figures.priestley.yielded, r.figures.priestley.muPhi);
       }},
      {"drift_u", std::nullopt,
       [](const SectionResult& r) { return wide(r.figures.hasDrift, r.figures.drift.driftU); }},
      {"mu_delta_u", std::nullopt,
       [](const SectionResult& r) { return wide(r.figures.hasDrift, r.figures.drift.muDelta); }},
      {"V_u", Q::Force,
       [](const SectionResult& r) { return wide(r.figures.hasDrift, r.figures.drift.Vu); }},
  };
}

std::vector<CapacityLine> capacities() {
  return {
      {"Mn (Priestley)", "mn", "#1e8449", "3 3",
       [](const SectionResult& r, double& M) {
         M = r.figures.priestley.Mn;
         return r.figures.priestley.available;
       }},
      {"Mp (Caltrans)", "mp", "#c0392b", "8 5",
       [](const SectionResult& r, double& M) {
         M = r.figures.caltrans.Mp;
         return caltrans(r);
       }},
      {"My (first yield)", "my", "#7f7f7f", "2 4",
       [](const SectionResult& r, double& M) {
         M = keys(r).firstYield.M;
         return keys(r).firstYield.exists;
       }},
  };
}

}  // namespace

ModelEntry specifiedModelEntry() {
  ModelEntry m;
  m.model = Model::Specified;
  m.name = "spec";
  m.words = "specified model";
  m.help = "the specified model, as mphi";
  m.writesSection = true;
  m.takesBars = false;
  m.checkRequest = checkRequest;
  m.checkFit = [](const SectionData&, const Analysis&) { return std::optional<Fault>(); };
  m.trace = [](const SectionData& s, const Analysis&) { return specifiedCurve(s); };
  m.reported = [](const SectionData& s, const Curve& c) {
    SectionFile f = asWritten(s, c);
    f.curve = figuresCurve(f.section, std::move(f.curve));
    return f;
  };
  m.figures = [](SectionResult& r) {
    r.figures = curveFigures(r.reported.section, r.reported.curve, r.analysis);
    if (!r.figures.hasDrift) return;
    const std::string beyond =
        stabilityWarning(r.figures.capacity, {{"the last row", r.figures.drift.driftU}});
    if (!beyond.empty()) r.warnings.push_back({"drift", beyond});
  };
  m.columns = columns();
  for (const ResultColumn& c : capacityColumns()) m.columns.push_back(c);
  m.capacity = [](const SectionResult& r) -> const DriftCapacity& { return r.figures.capacity; };
  m.json = [](const SectionResult& r, const Units& u) {
    return summaryJson(r.reported.section, r.reported.curve, r.figures, u);
  };
  m.text = [](const SectionResult& r, const Units& u) {
    return summaryText(r.reported.section, r.reported.curve, r.figures, u);
  };
  m.plot = [](const SectionResult& r, const Units& u) {
    return svgPlot(r.reported.section, r.reported.curve, r.figures, u);
  };
  m.keyPointsJson = [](const SectionResult& r, const Units& u) {
    return parts(r, u, {"first_yield", "peak", "ultimate"});
  };
  m.idealisationJson = [](const SectionResult& r, const Units& u) {
    return parts(r, u, {"caltrans", "priestley"});
  };
  m.capacities = capacities();
  m.colour = "#7f7f7f";
  m.figureRows = figureRows;
  m.endAttribute = "end";
  m.files = {{"SECTION", "SECTION", "section"},
             {"report CSV", "SECTION.csv", "csv"},
             {"report JSON", "SECTION.json", "report"},
             {"M-" MPHI_PHI " SVG", "SECTION.svg", "svg"},
             {"P-M SVG", "interaction.svg", "interaction_svg"},
             {"sweep CSV", "sweep.csv", "sweep_csv"}};
  return m;
}

}  // namespace mphi
