#include "model/section_result.h"

#include "figures/figure_rows.h"
#include "model/analysis_request.h"
#include "model/model_table.h"
#include "report/summary_text.h"
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

}  // namespace

std::optional<Fault> checkAnalysis(const SectionData& section, const Analysis& a) {
  if (std::optional<Fault> fault = checkRequest(a)) return fault;
  return modelEntry(a.model).checkFit(section, a);
}

SectionResult analyse(const SectionData& section, const Analysis& a) {
  const ModelEntry& m = modelEntry(a.model);
  SectionResult r;
  r.section = section;
  r.analysis = a;
  r.curve = m.trace(section, a);
  r.reported = m.reported(section, r.curve);
  m.figures(r);
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
  return r;
}

std::string resultJson(const SectionResult& r, const Units& units) {
  return modelEntry(r.analysis.model).json(r, units);
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
