#include "frontend/section_result.h"

#include <algorithm>

#include "analysis/specified_model.h"
#include "assessment/assessment_model.h"
#include "report/summary_text.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

const std::vector<std::string> kSpecifiedColumns = {
    "end",           "rows",         "Ky_per_cm",       "My_Tcm",        "Mu_Tcm",
    "phi_Mu_per_cm", "phi_u_per_cm", "Mp_Tcm",          "phi_yi_per_cm", "mu_phi_caltrans",
    "Mn_Tcm",        "phi_y_per_cm", "mu_phi_priestley"};
const std::vector<std::string> kAssessmentColumns = {
    "end",          "rows",    "first_yield_by", "My_Tcm",  "Ky_per_cm", "Mn_Tcm",
    "phi_y_per_cm", "Mu_Tcm",  "phi_u_per_cm",   "M_u_Tcm", "mu_phi_dc", "mu_phi_u",
    "drift_dc",     "drift_u", "mu_delta_u",     "V_u_T"};

// The table's values are floats: their own shortest texts.
std::string single(bool exists, double v) {
  return exists ? floatText(static_cast<float>(v)) : std::string();
}
std::string wide(bool exists, double v) {
  return exists ? doubleText(v) : std::string();
}

std::vector<std::pair<std::string, std::string>> specifiedCells(const SectionResult& r) {
  const Curve& w = r.written.curve;
  const KeyPoints& k = w.keys;
  const Caltrans& c = r.figures.caltrans;
  const Priestley& p = r.figures.priestley;
  const bool any = computed(w);
  const bool caltrans = c.state == CaltransState::Done;
  return {{"end", endName(r.curve.end)},
          {"rows", std::to_string(r.curve.tableRows)},
          {"Ky_per_cm", single(k.firstYield.exists, k.firstYield.phi)},
          {"My_Tcm", single(k.firstYield.exists, k.firstYield.M)},
          {"Mu_Tcm", single(any, k.peak.M)},
          {"phi_Mu_per_cm", single(any, k.peak.phi)},
          {"phi_u_per_cm", single(any, k.ultimate.phi)},
          {"Mp_Tcm", wide(caltrans, c.Mp)},
          {"phi_yi_per_cm", wide(caltrans, c.phiYi)},
          {"mu_phi_caltrans", wide(caltrans, c.muPhi)},
          {"Mn_Tcm", wide(p.available, p.Mn)},
          {"phi_y_per_cm", wide(p.yielded, p.phiY)},
          {"mu_phi_priestley", wide(p.yielded, p.muPhi)}};
}

std::vector<std::pair<std::string, std::string>> assessmentCells(const SectionResult& r) {
  const KeyPoints& k = r.curve.keys;
  const AssessmentFigures& f = r.assessment;
  const Idealisation& i = f.idealisation;
  return {{"end", endName(r.curve.end)},
          {"rows", std::to_string(r.curve.tableRows)},
          {"first_yield_by", k.firstYield.exists ? k.firstYield.governed : ""},
          {"My_Tcm", wide(k.firstYield.exists, k.firstYield.M)},
          {"Ky_per_cm", wide(k.firstYield.exists, k.firstYield.phi)},
          {"Mn_Tcm", wide(k.serviceability.exists, k.serviceability.M)},
          {"phi_y_per_cm", wide(i.available, i.phiY)},
          {"Mu_Tcm", wide(k.peak.exists, k.peak.M)},
          {"phi_u_per_cm", wide(k.ultimate.exists, k.ultimate.phi)},
          {"M_u_Tcm", wide(k.ultimate.exists, k.ultimate.M)},
          {"mu_phi_dc", wide(i.available, i.muPhiDc)},
          {"mu_phi_u", wide(i.available, i.muPhiU)},
          {"drift_dc", wide(f.hasDrift, f.damageControl.drift)},
          {"drift_u", wide(f.hasDrift, f.ultimate.drift)},
          {"mu_delta_u", wide(f.hasDrift, f.ultimate.muDelta)},
          {"V_u_T", wide(f.hasDrift, f.ultimate.V)}};
}

}  // namespace

std::string resultStatus(const SectionResult& r) {
  const std::string note = figuresNote(reportedSection(r), reportedCurve(r), r.figures.tooFewRows);
  return note.empty() ? "ok" : note;
}

const char* modelName(Model model) {
  return model == Model::Assessment ? "assessment" : "spec";
}

bool modelNamed(const std::string& name, Model& model) {
  if (name == "spec") {
    model = Model::Specified;
    return true;
  }
  if (name == "assessment") {
    model = Model::Assessment;
    return true;
  }
  return false;
}

std::optional<Fault> checkAnalysis(const SectionData& section, const Analysis& a) {
  if (a.model == Model::Specified) {
    if (!a.bars) return std::nullopt;
    return faultOf("bars_face", a.bars->face,
                   "bar counts are for the assessment model; the specified model spreads the "
                   "steel b h r along the faces");
  }
  return checkAssessment(section, a.bars);
}

SectionResult analyse(const SectionData& section, const Analysis& a) {
  SectionResult r;
  r.section = section;
  r.analysis = a;
  if (a.model == Model::Assessment) {
    r.curve = assessmentCurve(section, a.bars);
    r.assessment = assessmentFigures(section, r.curve, a.length);
    return r;
  }
  r.curve = specifiedCurve(section);
  r.written = asWritten(section, r.curve);
  r.figures = specifiedFigures(r.written.section, r.written.curve, a.length);
  return r;
}

SectionResult analyseForReport(const SectionData& section, double length) {
  Analysis a;
  a.length = length;
  return analyse(section, a);
}

const SectionData& reportedSection(const SectionResult& r) {
  return r.analysis.model == Model::Specified ? r.written.section : r.section;
}

const Curve& reportedCurve(const SectionResult& r) {
  return r.analysis.model == Model::Specified ? r.written.curve : r.curve;
}

const std::vector<std::string>& resultHeader(Model model) {
  return model == Model::Assessment ? kAssessmentColumns : kSpecifiedColumns;
}

std::vector<std::string> resultCells(const SectionResult& r, Model model) {
  const auto named = r.analysis.model == Model::Assessment ? assessmentCells(r) : specifiedCells(r);
  std::vector<std::string> cells;
  for (const std::string& column : resultHeader(model)) {
    const auto at = std::find_if(named.begin(), named.end(),
                                 [&](const auto& cell) { return cell.first == column; });
    cells.push_back(at == named.end() ? std::string() : at->second);
  }
  return cells;
}

}  // namespace mphi
