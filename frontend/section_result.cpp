#include "frontend/section_result.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "analysis/specified_model.h"
#include "assessment/assessment_model.h"
#include "report/assessment_report.h"
#include "report/summary_json.h"
#include "report/summary_text.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

// A result column: its name before the unit, and the quantity whose unit
// ends it (none for counts, ratios and words).
struct Column {
  const char* name;
  bool unit;
  Quantity quantity;
};
constexpr Quantity kNone = Quantity::Force;  // unused where `unit` is false

const std::vector<Column> kSpecifiedColumns = {{"end", false, kNone},
                                               {"rows", false, kNone},
                                               {"Ky", true, Quantity::Curvature},
                                               {"My", true, Quantity::Moment},
                                               {"Mu", true, Quantity::Moment},
                                               {"phi_Mu", true, Quantity::Curvature},
                                               {"phi_u", true, Quantity::Curvature},
                                               {"Mp", true, Quantity::Moment},
                                               {"phi_yi", true, Quantity::Curvature},
                                               {"mu_phi_caltrans", false, kNone},
                                               {"Mn", true, Quantity::Moment},
                                               {"phi_y", true, Quantity::Curvature},
                                               {"mu_phi_priestley", false, kNone},
                                               {"drift_u", false, kNone},
                                               {"mu_delta_u", false, kNone},
                                               {"V_u", true, Quantity::Force}};
const std::vector<Column> kAssessmentColumns = {{"end", false, kNone},
                                                {"rows", false, kNone},
                                                {"first_yield_by", false, kNone},
                                                {"My", true, Quantity::Moment},
                                                {"Ky", true, Quantity::Curvature},
                                                {"Mn", true, Quantity::Moment},
                                                {"phi_y", true, Quantity::Curvature},
                                                {"Mu", true, Quantity::Moment},
                                                {"phi_u", true, Quantity::Curvature},
                                                {"M_u", true, Quantity::Moment},
                                                {"mu_phi_dc", false, kNone},
                                                {"mu_phi_u", false, kNone},
                                                {"drift_dc", false, kNone},
                                                {"drift_u", false, kNone},
                                                {"mu_delta_u", false, kNone},
                                                {"V_u", true, Quantity::Force}};

const std::vector<Column>& columnsOf(Model model) {
  return model == Model::Assessment ? kAssessmentColumns : kSpecifiedColumns;
}

std::string columnName(const Column& c, const Units& u) {
  return c.unit ? std::string(c.name) + "_" + u.key(c.quantity) : c.name;
}

// A cell: a text, or a value in tons and centimetres; `single` where the
// value is one of SECTION's floats.
struct Cell {
  std::string text;
  bool exists = false;
  double value = 0;
  bool single = false;
};

Cell text(const std::string& t) {
  return {t, true, 0, false};
}
Cell single(bool exists, double v) {
  return {"", exists, v, true};
}
Cell wide(bool exists, double v) {
  return {"", exists, v, false};
}

std::vector<std::pair<std::string, Cell>> specifiedCells(const SectionResult& r) {
  const Curve& w = r.written.curve;
  const KeyPoints& k = w.keys;
  const Caltrans& c = r.figures.caltrans;
  const Priestley& p = r.figures.priestley;
  const bool any = computed(w);
  const bool caltrans = c.state == CaltransState::Done;
  return {{"end", text(endName(r.curve.end))},
          {"rows", text(std::to_string(r.curve.tableRows))},
          {"Ky", single(k.firstYield.exists, k.firstYield.phi)},
          {"My", single(k.firstYield.exists, k.firstYield.M)},
          {"Mu", single(any, k.peak.M)},
          {"phi_Mu", single(any, k.peak.phi)},
          {"phi_u", single(any, k.ultimate.phi)},
          {"Mp", wide(caltrans, c.Mp)},
          {"phi_yi", wide(caltrans, c.phiYi)},
          {"mu_phi_caltrans", wide(caltrans, c.muPhi)},
          {"Mn", wide(p.available, p.Mn)},
          {"phi_y", wide(p.yielded, p.phiY)},
          {"mu_phi_priestley", wide(p.yielded, p.muPhi)},
          {"drift_u", wide(r.figures.hasDrift, r.figures.drift.driftU)},
          {"mu_delta_u", wide(r.figures.hasDrift, r.figures.drift.muDelta)},
          {"V_u", wide(r.figures.hasDrift, r.figures.drift.Vu)}};
}

std::vector<std::pair<std::string, Cell>> assessmentCells(const SectionResult& r) {
  const KeyPoints& k = r.curve.keys;
  const AssessmentFigures& f = r.assessment;
  const Idealisation& i = f.idealisation;
  return {{"end", text(endName(r.curve.end))},
          {"rows", text(std::to_string(r.curve.tableRows))},
          {"first_yield_by", text(k.firstYield.exists ? k.firstYield.governed : "")},
          {"My", wide(k.firstYield.exists, k.firstYield.M)},
          {"Ky", wide(k.firstYield.exists, k.firstYield.phi)},
          {"Mn", wide(k.serviceability.exists, k.serviceability.M)},
          {"phi_y", wide(i.available, i.phiY)},
          {"Mu", wide(k.peak.exists, k.peak.M)},
          {"phi_u", wide(k.ultimate.exists, k.ultimate.phi)},
          {"M_u", wide(k.ultimate.exists, k.ultimate.M)},
          {"mu_phi_dc", wide(i.available, i.muPhiDc)},
          {"mu_phi_u", wide(i.available, i.muPhiU)},
          {"drift_dc", wide(f.hasDrift, f.damageControl.drift)},
          {"drift_u", wide(f.hasDrift, f.ultimate.drift)},
          {"mu_delta_u", wide(f.hasDrift, f.ultimate.muDelta)},
          {"V_u", wide(f.hasDrift, f.ultimate.V)}};
}

// SECTION's floats print as their own shortest texts in tons and
// centimetres; in other units, and for the doubles, the shortest text of
// the converted double.
std::string cellText(const Cell& c, const Column& column, const Units& u) {
  if (!c.text.empty() || !c.exists) return c.text;
  const double v = column.unit ? u.in(column.quantity, c.value) : c.value;
  return c.single && (u.base() || !column.unit) ? floatText(static_cast<float>(v)) : doubleText(v);
}

}  // namespace

std::string resultJson(const SectionResult& r, const Units& units) {
  if (r.analysis.model == Model::Assessment) {
    return assessmentJson(r.section, r.curve, r.assessment, units);
  }
  return summaryJson(r.written.section, r.written.curve, r.figures, units);
}

std::string resultStatus(const SectionResult& r, const Units& units) {
  const std::string note =
      figuresNote(reportedSection(r), reportedCurve(r), r.figures.tooFewRows, units);
  return note.empty() ? "ok" : note;
}

std::string loadText(float P0, const Units& u) {
  if (u.base()) return floatText(P0);
  const double shown = u.in(Quantity::Force, P0);
  char text[40];
  for (int digits = 1; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, shown);
    if (loadOf(std::strtod(text, nullptr), u) == P0) break;
  }
  return text;
}

float loadOf(double value, const Units& u) {
  return static_cast<float>(u.from(Quantity::Force, value));
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

std::vector<std::string> resultHeader(Model model, const Units& units) {
  std::vector<std::string> names;
  for (const Column& c : columnsOf(model)) names.push_back(columnName(c, units));
  return names;
}

std::vector<std::string> resultCells(const SectionResult& r, Model model, const Units& units) {
  const auto named = r.analysis.model == Model::Assessment ? assessmentCells(r) : specifiedCells(r);
  std::vector<std::string> cells;
  for (const Column& column : columnsOf(model)) {
    const auto at = std::find_if(named.begin(), named.end(),
                                 [&](const auto& cell) { return cell.first == column.name; });
    cells.push_back(at == named.end() ? std::string() : cellText(at->second, column, units));
  }
  return cells;
}

}  // namespace mphi
