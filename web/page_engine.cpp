#include "web/page_engine.h"

#include <nlohmann/json.hpp>

#include "analysis/analysis.h"
#include "driver/section_input.h"
#include "frontend/section_result.h"
#include "report/csv_export.h"
#include "report/summary_json.h"
#include "report/svg_plot.h"
#include "sweep/interaction_svg.h"
#include "sweep/load_sweep.h"
#include "textio/number_reader.h"

namespace mphi {
namespace {

using json = nlohmann::json;

constexpr int kSweepLoads = 21;

struct FormField {
  const char* name;
  float SectionData::*value;
};

// The values mphi keeps, by their names; b and h stand for values 20 and 21.
constexpr FormField kFields[] = {
    {"b", &SectionData::b},
    {"h", &SectionData::h},
    {"clearb1cm", &SectionData::clearb1cm},
    {"dcm", &SectionData::dcm},
    {"dbcm", &SectionData::dbcm},
    {"sccm", &SectionData::sccm},
    {"fc", &SectionData::fc},
    {"fy", &SectionData::fy},
    {"fsy", &SectionData::fsy},
    {"Es", &SectionData::Es},
    {"P0", &SectionData::P0},
    {"r", &SectionData::r},
};

std::string refusal(const std::string& field, const std::string& message) {
  return json{{"ok", false}, {"field", field}, {"message", message}}.dump();
}

const char* endingWords(CurveEnding ending) {
  switch (ending) {
    case CurveEnding::PointEightMu:
      return "The moment fell below 0.8 of its peak (0.8 Mu).";
    case CurveEnding::CompressionBars:
      return "The compression bars (layer 1) reached 40 times the yield strain.";
    case CurveEnding::TensionBars:
      return "The tension bars (layer 8) reached 40 times the yield strain.";
    case CurveEnding::NoEquilibrium:
      return "No neutral axis balances the axial load: it is beyond the section.";
    case CurveEnding::TableFull:
      break;
  }
  return "The table is full (500 rows); the curve may go on.";
}

}  // namespace

std::string computePage(const std::string& requestText) {
  const json request = json::parse(requestText, nullptr, false);
  if (request.is_discarded()) return refusal("", "the page sent a malformed request");
  const json values = request.value("values", json::object());
  SectionData s;
  for (const FormField& f : kFields) {
    const std::string text = values.value(f.name, std::string());
    if (!readNumberToken(text, s.*f.value)) {
      return refusal(f.name, "\"" + text + "\" is not a number");
    }
  }
  double length = 0;
  const std::string lengthText = request.value("L", std::string());
  float L = 0;
  if (lengthText.find_first_not_of(" \t") != std::string::npos) {  // blank: no drift
    if (!readNumberToken(lengthText, L) || !(L > 0)) {
      return refusal("L", "\"" + lengthText + "\" is not a positive length");
    }
    length = L;
  }
  const std::string fault = prepareSection(s);
  if (!fault.empty()) {
    // "mphi: invalid section data: NAME = ...": at its field where the form has one.
    const std::string line = withoutProgramName(fault);
    const std::size_t nameStart = line.find(": ") + 2;
    const std::string name = line.substr(nameStart, line.find(' ', nameStart) - nameStart);
    std::string field;
    for (const FormField& f : kFields) {
      if (name == f.name) field = name;
    }
    return refusal(field, line);
  }

  SectionResult result = analyseForReport(s);
  const CurveReport report = reportCurve(result.file, length);
  const std::vector<LoadResult> sweep = sweepLoads(s, defaultLoads(s, kSweepLoads), 1, {});
  return json{{"ok", true},
              {"section", result.sectionText},
              {"report", summaryJson(result.file, report)},
              {"csv", csvText(report.summary)},
              {"svg", svgPlot(result.file, report)},
              {"interaction_svg", interactionSvg(s, sweep)},
              {"sweep_csv", sweepCsv(sweep)},
              {"end", endingName(result.curve.ending)},
              {"end_words", endingWords(result.curve.ending)}}
      .dump();
}

}  // namespace mphi
