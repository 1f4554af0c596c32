#include "web/page_engine.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "analysis/section_check.h"
#include "frontend/section_result.h"
#include "frontend/tool_status.h"
#include "report/csv_export.h"
#include "report/summary_json.h"
#include "report/summary_text.h"
#include "report/svg_plot.h"
#include "section/section_values.h"
#include "section_file/section_writer.h"
#include "sweep/interaction_svg.h"
#include "sweep/load_sweep.h"
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
  if (lengthText.find_first_not_of(" \t") != std::string::npos) {  // blank: no drift
    float L = 0;
    if (!readNumberToken(lengthText, L) || !(L > 0) || !std::isfinite(L)) {
      return refusal("L", "\"" + lengthText + "\" is not a positive length");
    }
    length = L;
  }
  if (const std::optional<Fault> fault = prepareSection(s)) {
    // At its field where the form has one; a derived constant has none.
    const SectionValue* v = findSectionValue(fault->field);
    return refusal(v != nullptr && v->given ? fault->field : "", invalidDataText(*fault));
  }

  const SectionResult result = analyseForReport(s, length);
  const SectionData& ws = result.written.section;
  const Curve& wc = result.written.curve;
  const std::vector<LoadResult> sweep = sweepLoads(s, defaultLoads(s, kSweepLoads), 1, {});
  return answerText({{"ok", true},
                     {"section", sectionText(s, result.curve)},
                     {"report", summaryJson(ws, wc, result.figures)},
                     {"csv", csvText(wc)},
                     {"svg", svgPlot(ws, wc, result.figures)},
                     {"interaction_svg", interactionSvg(s, sweep)},
                     {"sweep_csv", sweepCsv(sweep)},
                     {"end", endName(result.curve.end)},
                     {"end_words", endWords(result.curve.end)}});
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
