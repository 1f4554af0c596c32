#include "model/section_result.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "figures/figure_rows.h"
#include "model/analysis_request.h"
#include "model/model_table.h"
#include "report/summary_text.h"
#include "section/plausibility.h"
#include "textio/formatted.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

std::string columnName(const ResultColumn& c, const Units& u) {
  return c.quantity ? std::string(c.name) + "_" + u.key(*c.quantity) : c.name;
}

// SECTION's floats print as their own shortest texts in tons and
// centimetres; in other units, and for the doubles, the shortest text of
// the converted double.
std::string cellText(const ResultCell& c, const ResultColumn& column, const Units& u) {
  if (!c.text.empty() || !c.exists) return c.text;
  const double v = column.quantity ? u.in(*column.quantity, c.value) : c.value;
  return c.single && (u.base() || !column.quantity) ? floatText(static_cast<float>(v))
                                                    : doubleText(v);
}

// The section's data warnings, then what the request makes of it: a load
// near the squash load, r beside explicit bars, bars crowded round their
// circle. Values named as they were typed.
std::vector<Warning> dataWarnings(const SectionResult& r, const GivenUnits& given) {
  const SectionData& s = r.section;
  const Analysis& a = r.analysis;
  std::vector<Warning> w = plausibilityWarnings(s, given);
  const double Po = squashLoad(s, r.curve);
  const GivenUnit load = givenUnit(given, "P0", "T");
  if (s.P0 > 0.8 * Po && computed(r.reported.curve)) {  // beyond Po, the status says it
    w.push_back({"P0", givenText(load, s.P0) + " is beyond 0.8 Po = " +
                           givenAmount(load, 0.8 * Po) + " (Po = " + givenAmount(load, Po) +
                           ", the squash load): the column is near crushing under its load "
                           "alone"});
  }
  const bool circle = a.shape == SectionShape::Circular;
  if (s.r > 0 && (a.bars || circle)) {
    const double As = mainSteelArea(s, r.curve);
    w.push_back({"r", formatted("r = %g is not used: the steel is the bars', As = %.4g cm2 (%.4g "
                                "of the gross area)",
                                static_cast<double>(s.r), As, As / grossArea(s, r.curve))});
  }
  if (circle && a.circleBars >= 2) {
    const double radius = s.h / 2.0 - (s.clearb1cm + s.dbcm / 2.0 + s.dcm / 2.0);
    const double clear = 2 * radius * std::sin(kPi / a.circleBars) - s.dcm;
    if (clear < s.dcm) {
      w.push_back({"n_bars", formatted("n_bars = %g: the clear spacing round the circle, %.3g cm, "
                                       "is less than a bar diameter (%g cm)",
                                       a.circleBars, clear, static_cast<double>(s.dcm))});
    }
  }
  return w;
}

}  // namespace

std::optional<Fault> checkAnalysis(const SectionData& section, const Analysis& a) {
  if (std::optional<Fault> fault = checkRequest(a)) return fault;
  return modelEntry(a.model).checkFit(section, a);
}

SectionResult analyse(const SectionData& section, const Analysis& a, const GivenUnits& given) {
  const ModelEntry& m = modelEntry(a.model);
  SectionResult r;
  r.section = section;
  r.analysis = a;
  r.curve = m.trace(section, a);
  r.reported = m.reported(section, r.curve);
  m.figures(r);
  std::vector<Warning> data = dataWarnings(r, given);
  r.warnings.insert(r.warnings.begin(), data.begin(), data.end());
  return r;
}

SectionResult resultOfFile(const SectionFile& file, const Analysis& analysis) {
  const ModelEntry& m = sectionModel();
  SectionResult r;
  r.section = file.section;
  r.analysis = analysis;
  r.analysis.model = m.model;
  r.curve = file.curve;
  r.reported = file;
  r.reported.curve = fileFiguresCurve(file.section, file.curve);
  m.figures(r);
  std::vector<Warning> data = dataWarnings(r, {});
  r.warnings.insert(r.warnings.begin(), data.begin(), data.end());
  return r;
}

std::string resultJson(const SectionResult& r, const Units& units) {
  nlohmann::ordered_json j =
      nlohmann::ordered_json::parse(modelEntry(r.analysis.model).json(r, units));
  j["warnings"] = nlohmann::ordered_json::array();
  for (const Warning& w : r.warnings) j["warnings"].push_back(w.text);
  return j.dump(2) + "\n";
}

std::string resultText(const SectionResult& r, const Units& units) {
  return modelEntry(r.analysis.model).text(r, units);
}

std::string resultPlot(const SectionResult& r, const Units& units) {
  return modelEntry(r.analysis.model).plot(r, units);
}

std::string resultStatus(const SectionResult& r, const Units& units) {
  const std::string note =
      figuresNote(r.reported.section, r.reported.curve, r.figures.tooFewRows, units);
  return note.empty() ? "ok" : note;
}

std::vector<std::string> resultHeader(Model model, const Units& units) {
  std::vector<std::string> names;
  for (const ResultColumn& c : modelEntry(model).columns) names.push_back(columnName(c, units));
  return names;
}

std::vector<std::string> resultCells(const SectionResult& r, Model model, const Units& units) {
  const std::vector<ResultColumn>& own = modelEntry(r.analysis.model).columns;
  std::vector<std::string> cells;
  for (const ResultColumn& column : modelEntry(model).columns) {
    std::string cell;
    for (const ResultColumn& c : own) {
      if (std::string(c.name) == column.name) cell = cellText(c.cell(r), column, units);
    }
    cells.push_back(cell);
  }
  return cells;
}

}  // namespace mphi
