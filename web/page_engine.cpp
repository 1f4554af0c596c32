#include "web/page_engine.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "analysis/section_check.h"
#include "charts/svg_chart.h"
#include "frontend/section_result.h"
#include "frontend/tool_status.h"
#include "report/assessment_report.h"
#include "report/csv_export.h"
#include "report/summary_text.h"
#include "report/svg_plot.h"
#include "section/section_values.h"
#include "section_file/section_writer.h"
#include "sweep/interaction_svg.h"
#include "sweep/load_sweep.h"
#include "textio/blanks.h"
#include "textio/number_reader.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

using json = nlohmann::json;

constexpr int kSweepLoads = 21;

// A form's text may hold bytes that are not UTF-8; the answer says them
// with replacement characters rather than failing.
std::string answerText(const json& answer) {
  return answer.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string refusal(const std::string& field, const std::string& message) {
  return answerText({{"ok", false}, {"field", field}, {"message", message}});
}

// A form's text, or a number a script sent; false for anything else.
bool fieldText(const json& values, const char* name, std::string& text) {
  const auto at = values.find(name);
  if (at == values.end() || at->is_null()) return true;  // empty: refused as no number
  if (at->is_string()) {
    text = at->get<std::string>();
    return true;
  }
  if (at->is_number()) {
    text = at->is_number_float() ? doubleText(at->get<double>()) : at->dump();
    return true;
  }
  return false;
}

// At its field where the form has one; a derived constant has none, but a
// value typed in the wrong unit is its cause and gets it, with a hint.
std::string refusalOf(const Fault& fault, const SectionData& s) {
  const SectionValue* v = findSectionValue(fault.field);
  const bool formField =
      (v != nullptr && v->given) || fault.field == "bars_face" || fault.field == "bars_side";
  const std::optional<Fault> slip = unitSlip(s);
  return refusal(slip ? slip->field : formField ? fault.field : "", invalidDataText(fault, s));
}

// Both models' curves on one chart.
std::string bothCurves(const SectionData& s, const Curve& specified, const Curve& assessed,
                       const Units& u) {
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = u.picture(Quantity::Curvature);
  p.yName = "Moment M";
  p.yUnit = u.picture(Quantity::Moment);
  const struct {
    const Curve& curve;
    const char* name;
    const char* colour;
    const char* className;
  } curves[] = {{specified, "specified model", "#7f7f7f", "spec"},
                {assessed, "assessment model", "#1f4e9a", "assessment"}};
  for (const auto& c : curves) {
    if (!computed(c.curve)) continue;
    Series line;
    line.colour = c.colour;
    line.className = c.className;
    for (const CurvePoint& q : c.curve.points) {
      line.x.push_back(u.in(Quantity::Curvature, q.phi));
      line.y.push_back(u.in(Quantity::Moment, q.M));
    }
    p.series.push_back(line);
    p.legend.push_back(
        {std::string(c.name) + ": " + endWords(c.curve.end), c.colour, true, "", Shape::None});
  }
  if (p.series.empty()) p.empty = "neither model finds a curve for this load";
  char title[160];
  std::snprintf(
      title, sizeof title,
      "M-" MPHI_PHI " curves of both models: b \xC3\x97 h = %g \xC3\x97 %g %s, P0 = %g %s",
      u.in(Quantity::Length, s.b), u.in(Quantity::Length, s.h), u.picture(Quantity::Length).c_str(),
      u.in(Quantity::Force, s.P0), u.picture(Quantity::Force).c_str());
  return svgPicture(title, {p});
}

std::string compute(const json& request) {
  const json values = request.contains("values") && request["values"].is_object()
                          ? request["values"]
                          : json::object();
  SectionData s;
  for (const SectionValue* v : givenValues()) {
    std::string text;
    if (!fieldText(values, v->name, text)) {
      return refusal(v->name, "the value is neither a number nor a text");
    }
    if (!readNumberToken(text, s.*v->member)) {
      return refusal(v->name, "\"" + text + "\" is not a number");
    }
  }
  std::string lengthText;
  if (!fieldText(request, "L", lengthText)) return refusal("L", "L is neither a number nor a text");
  double length = 0;
  if (!isBlank(lengthText)) {  // blank: no drift
    float L = 0;
    if (!readNumberToken(lengthText, L) || !(L > 0) || !std::isfinite(L)) {
      return refusal("L", "\"" + lengthText + "\" is not a positive length");
    }
    length = L;
  }
  std::string unitsText = "t-cm";
  Units u;
  if (!fieldText(request, "units", unitsText) || !unitsNamed(unitsText, u)) {
    return refusal("units", "\"" + unitsText + "\" is not t-cm, t-m or si");
  }
  std::string modelText = "both";
  if (!fieldText(request, "model", modelText)) return refusal("model", "the model is not a text");
  const bool both = modelText == "both";
  Model model = Model::Specified;
  if (!both && !modelNamed(modelText, model)) {
    return refusal("model", "\"" + modelText + "\" is not spec, assessment or both");
  }
  Analysis assessment;
  assessment.model = Model::Assessment;
  assessment.length = length;
  std::string faceText, sideText;
  if (!fieldText(request, "bars_face", faceText) || !fieldText(request, "bars_side", sideText)) {
    return refusal("bars_face", "bar counts are neither numbers nor texts");
  }
  if (!isBlank(faceText) || !isBlank(sideText)) {
    float face = 0, side = 0;
    if (!readNumberToken(faceText, face)) {
      return refusal("bars_face", "\"" + faceText + "\" is not a number");
    }
    if (!isBlank(sideText) && !readNumberToken(sideText, side)) {
      return refusal("bars_side", "\"" + sideText + "\" is not a number");
    }
    assessment.bars = BarCounts{face, side};
  }
  if (const std::optional<Fault> fault = prepareSection(s)) return refusalOf(*fault, s);
  const bool withSpecified = both || model == Model::Specified;
  const bool withAssessment = both || model == Model::Assessment;
  if (!withAssessment && assessment.bars) {
    return refusal("bars_face", "bar counts are for the assessment model");
  }
  if (withAssessment) {
    if (const std::optional<Fault> fault = checkAnalysis(s, assessment)) {
      return refusalOf(*fault, s);
    }
  }

  json answer = {{"ok", true}};
  const std::vector<float> loads = defaultLoads(s, kSweepLoads, u);
  SectionResult specified, assessed;
  if (withSpecified) {
    specified = analyseForReport(s, length);
    const SectionData& ws = specified.written.section;
    const Curve& wc = specified.written.curve;
    const std::vector<LoadResult> sweep = sweepLoads(s, loads, specified.analysis, 1, {});
    answer["spec"] = {{"section", sectionText(s, specified.curve)},
                      {"report", resultJson(specified, u)},
                      {"csv", csvText(wc, u)},
                      {"svg", svgPlot(ws, wc, specified.figures, u)},
                      {"interaction_svg", interactionSvg(s, sweep, u)},
                      {"sweep_csv", sweepCsv(sweep, Model::Specified, u)},
                      {"end", endName(specified.curve.end)},
                      {"end_words", endExplanation(ws, wc, u)}};
  }
  if (withAssessment) {
    assessed = analyse(s, assessment);
    const std::vector<LoadResult> sweep = sweepLoads(s, loads, assessment, 1, {});
    answer["assessment"] = {{"report", resultJson(assessed, u)},
                            {"csv", csvText(assessed.curve, u)},
                            {"svg", assessmentPlot(s, assessed.curve, assessed.assessment, u)},
                            {"interaction_svg", interactionSvg(s, sweep, u)},
                            {"sweep_csv", sweepCsv(sweep, Model::Assessment, u)},
                            {"end", endName(assessed.curve.end)},
                            {"end_words", endExplanation(s, assessed.curve, u)}};
  }
  if (both) answer["models_svg"] = bothCurves(s, specified.written.curve, assessed.curve, u);
  return answerText(answer);
}

// The given values as the form shows them, from the one description.
std::string describe() {
  json values = json::array();
  for (const SectionValue* v : givenValues()) {
    values.push_back(
        {{"name", v->name}, {"unit", v->unit}, {"meaning", v->meaning}, {"example", v->example}});
  }
  return answerText({{"ok", true}, {"values", values}});
}

}  // namespace

std::string computePage(const std::string& requestText) {
  const json request = json::parse(requestText, nullptr, false);
  if (request.is_discarded() || !request.is_object()) {
    return refusal("", "the page sent a malformed request");
  }
  const auto describing = request.find("describe");
  if (describing != request.end() && *describing == true) return describe();
  return compute(request);
}

}  // namespace mphi
