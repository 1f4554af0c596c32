#include "web/page_engine.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "analysis/section_check.h"
#include "charts/svg_chart.h"
#include "frontend/tool_status.h"
#include "model/analysis_request.h"
#include "model/model_table.h"
#include "model/section_result.h"
#include "report/csv_export.h"
#include "report/section_drawing.h"
#include "report/summary_text.h"
#include "section/section_values.h"
#include "section_file/section_writer.h"
#include "sweep/interaction_svg.h"
#include "sweep/load_sweep.h"
#include "textio/blanks.h"
#include "textio/formatted.h"
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
      (v != nullptr && v->given) ||
      (fault.field.rfind("bars_", 0) == 0 || fault.field.rfind("legs_", 0) == 0 ||
       fault.field == "n_bars" || fault.field == "shape" || fault.field == "transverse");
  const std::optional<Fault> slip = unitSlip(s);
  return refusal(slip ? slip->field : formField ? fault.field : "", invalidDataText(fault, s));
}

// The curves of every model that ran, on one chart.
std::string allCurves(const SectionData& s, const std::vector<SectionResult>& results,
                      const Units& u) {
  Panel p;
  p.xName = "Curvature " MPHI_PHI;
  p.xUnit = u.picture(Quantity::Curvature);
  p.yName = "Moment M";
  p.yUnit = u.picture(Quantity::Moment);
  for (const SectionResult& r : results) {
    const ModelEntry& m = modelEntry(r.analysis.model);
    if (!computed(r.reported.curve)) continue;
    Series line;
    line.colour = m.colour;
    line.className = m.name;
    for (const CurvePoint& q : r.reported.curve.points) {
      line.x.push_back(u.in(Quantity::Curvature, q.phi));
      line.y.push_back(u.in(Quantity::Moment, q.M));
    }
    p.series.push_back(line);
    p.legend.push_back({std::string(m.words) + ": " + endWords(r.reported.curve.end), m.colour,
                        true, "", Shape::None});
  }
  if (p.series.empty()) p.empty = "neither model finds a curve for this load";
  return svgPicture("M-" MPHI_PHI " curves of both models: " +
                        sizeWords(inUnits(s, u), results.front().analysis.shape) + " " +
                        u.picture(Quantity::Length) +
                        formatted(", P0 = %g %s", u.in(Quantity::Force, s.P0),
                                  u.picture(Quantity::Force).c_str()),
                    {p});
}

// What the page shows of one model's result: its words, how the curve
// ended, the report and its files, the figures' rows, the sweep.
json modelAnswer(const SectionData& s, const SectionResult& r, const Units& u) {
  const ModelEntry& m = modelEntry(r.analysis.model);
  const std::vector<LoadResult> sweep =
      sweepLoads(s, defaultLoads(s, kSweepLoads, u, r.analysis), r.analysis, 1, {});
  json answer = {{"name", m.name},
                 {"words", m.words},
                 {"end", endName(r.curve.end)},
                 {"end_words", endExplanation(r.reported.section, r.reported.curve, u)},
                 {"end_attribute", m.endAttribute},
                 {"report", resultJson(r, u)},
                 {"csv", csvText(r.reported.curve, u)},
                 {"svg", resultPlot(r, u)},
                 {"interaction_svg", interactionSvg(s, sweep, u)},
                 {"sweep_csv", sweepCsv(sweep, m.model, u)}};
  if (m.writesSection) answer["section"] = sectionText(s, r.curve);
  json rows = json::array();
  for (const FigureRow& f : m.figureRows(r, u)) {
    rows.push_back({f.group, f.label, f.id, f.value, f.digits, f.scale});
  }
  answer["figures"] = rows;
  json warnings = json::array();
  for (const Warning& w : r.warnings) warnings.push_back({{"field", w.field}, {"text", w.text}});
  answer["warnings"] = warnings;
  json files = json::array();
  for (const PageFile& f : m.files) files.push_back({f.label, f.name, f.key});
  answer["files"] = files;
  return answer;
}

// The form's section values, or the refusal of the first that is no number.
// A circle's diameter D stands for its b and h, which may be left out or
// must agree with it, and its steel is its bars', so r may be left out.
std::string readValues(const json& request, bool circle, SectionData& s) {
  const json values = request.contains("values") && request["values"].is_object()
                          ? request["values"]
                          : json::object();
  std::string D;
  float diameter = 0;
  if (circle && fieldText(request, "D", D) && !isBlank(D) && !readNumberToken(D, diameter)) {
    return refusal("D", "\"" + D + "\" is not a number");
  }
  for (const SectionValue* v : givenValues()) {
    const std::string name = v->name;
    const bool side = name == "b" || name == "h";
    std::string text;
    if (!fieldText(values, v->name, text)) {
      return refusal(v->name, "the value is neither a number nor a text");
    }
    if (circle && isBlank(text) && ((side && !isBlank(D)) || name == "r")) continue;
    if (!readNumberToken(text, s.*v->member)) {
      return refusal(v->name, "\"" + text + "\" is not a number");
    }
    if (!std::isfinite(s.*v->member)) {  // named as typed, not as Infinity
      return refusal(v->name, "\"" + text +
                                  "\" is beyond the range of the analysis's numbers (about 3.4e38 "
                                  "at most)");
    }
    if (circle && side && !isBlank(D) && s.*v->member != diameter) {
      return refusal(v->name, "\"" + text + "\" is not D = " + trimmed(D) +
                                  ": a circular section has one diameter");
    }
  }
  if (circle && !isBlank(D)) s.b = s.h = diameter;
  return {};
}

// What to work out: "both" (the default) runs every model, each with the
// bar counts only where it takes them.
std::string readAsked(const json& request, const Units& u, Analysis& asked, bool& every) {
  RequestTexts texts;
  texts.model = "both";
  const struct {
    const char* name;
    std::string& text;
  } fields[] = {
      {"model", texts.model}, {"bars_face", texts.barsFace}, {"bars_side", texts.barsSide},
      {"L", texts.length},    {"legs_b", texts.legsB},       {"legs_h", texts.legsH},
      {"shape", texts.shape}, {"n_bars", texts.circleBars},  {"transverse", texts.transverse}};
  for (const auto& f : fields) {
    if (!fieldText(request, f.name, f.text)) {
      return refusal(f.name, std::string(f.name) + " is neither a number nor a text");
    }
  }
  every = texts.model == "both";
  if (every) texts.model.clear();
  if (!every && findModel(texts.model) == nullptr) {
    return refusal("model", "\"" + texts.model + "\" is not " + modelNameList(", ") + " or both");
  }
  // The length in the units' length, as in every tool.
  if (const std::optional<RequestFault> fault = readRequest(texts, {u}, asked)) {
    return refusal(fault->field, requestFaultText(*fault));
  }
  return {};
}

// `s` made ready, and every model asked for that can take it: with "both",
// a model that cannot take the shape is left out.
std::string analysesOf(SectionData& s, const Analysis& asked, bool every,
                       std::vector<Analysis>& analyses) {
  if (const std::optional<Fault> fault = prepareSection(s)) return refusalOf(*fault, s);
  std::optional<Fault> refused;
  for (const ModelEntry& m : modelTable()) {
    if (!every && m.model != asked.model) continue;
    Analysis a = asked;
    a.model = m.model;
    if (every && !m.takesBars) a.bars.reset();
    if (const std::optional<Fault> fault = checkAnalysis(s, a)) {
      if (!every || fault->field != "shape") return refusalOf(*fault, s);
      refused = fault;
      continue;
    }
    analyses.push_back(a);
  }
  if (analyses.empty() && refused) return refusalOf(*refused, s);
  return {};
}

std::string compute(const json& request) {
  std::string unitsText = "t-cm";
  Units u;
  Analysis asked;
  bool every = true;
  SectionData s;
  std::vector<Analysis> analyses;
  if (!fieldText(request, "units", unitsText) || !unitsNamed(unitsText, u)) {
    return refusal("units", "\"" + unitsText + "\" is not t-cm, t-m or si");
  }
  std::string refused = readAsked(request, u, asked, every);
  if (refused.empty()) refused = readValues(request, asked.shape == SectionShape::Circular, s);
  if (refused.empty()) refused = analysesOf(s, asked, every, analyses);
  if (!refused.empty()) return refused;
  const std::string unit = u.text(Quantity::Length);
  if (const std::optional<std::string> why =
          lengthOutOfRange(s, asked, unit, u.from(Quantity::Length, 1))) {
    return refusal("L", *why + "; L is in " + unit + " with units " + unitsText);
  }
  json answer = {
      {"ok", true}, {"section_svg", sectionDrawing(s, asked, u)}, {"models", json::array()}};
  std::vector<SectionResult> results;
  for (const Analysis& a : analyses) {
    results.push_back(analyse(s, a));
    answer["models"].push_back(modelAnswer(s, results.back(), u));
  }
  if (results.size() > 1) answer["models_svg"] = allCurves(s, results, u);
  return answerText(answer);
}

// The given values as the form shows them, from the one description, and
// the models it offers.
std::string describe() {
  json values = json::array();
  for (const SectionValue* v : givenValues()) {
    values.push_back(
        {{"name", v->name}, {"unit", v->unit}, {"meaning", v->meaning}, {"example", v->example}});
  }
  json models = json::array();
  for (const ModelEntry& m : modelTable()) models.push_back({{"name", m.name}, {"words", m.words}});
  return answerText({{"ok", true}, {"values", values}, {"models", models}});
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
