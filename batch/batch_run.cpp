#include "batch/batch_run.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "analysis/section_check.h"
#include "frontend/output_file.h"
#include "frontend/parallel.h"
#include "frontend/tool_status.h"
#include "model/analysis_request.h"
#include "model/model_table.h"
#include "model/section_result.h"
#include "section/section_values.h"
#include "section_file/section_writer.h"
#include "textio/blanks.h"
#include "textio/number_reader.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

// One row made ready: its section data and what to work out, or why it is
// refused.
struct PreparedRow {
  SectionData section;
  Analysis analysis;
  std::string id;
  std::string refusal;  // empty when the row runs
  GivenUnits given;     // the values given in a unit of their own, for the warnings
};

bool safeName(const std::string& id) {
  return !id.empty() && id != "." && id != ".." && id.find('/') == std::string::npos &&
         id.find('\0') == std::string::npos;
}

TableColumn columnOf(const SectionTable& t, const std::string& name) {
  const auto at = t.columns.find(name);
  return at == t.columns.end() ? TableColumn{} : at->second;
}

// A column's header as the table writes it ("fc_MPa"); mphi's name where
// the table has none.
std::string headerOf(const SectionTable& t, const std::string& name) {
  const int column = columnOf(t, name).index;
  return column < 0 ? name : trimmed(t.header[static_cast<std::size_t>(column)]);
}

// The cell of a column; empty where the table has none.
std::string cellOf(const SectionTable& t, const std::vector<std::string>& row,
                   const std::string& name) {
  const int column = columnOf(t, name).index;
  return column < 0 ? std::string() : row[static_cast<std::size_t>(column)];
}

// The values a user gives, in mphi's units; the ones the layout derives
// need no cell. A circle's diameter D is its b and h, which may be left
// blank or must agree, and its steel is its bars', so r may be blank.
// Empty, or why the row is refused.
std::string readValues(const SectionTable& t, const std::vector<std::string>& row, bool circle,
                       const std::string& where, SectionData& s) {
  const std::string D = cellOf(t, row, "D");
  float diameter = 0;
  if (circle && !isBlank(D) && !readCell(t, columnOf(t, "D"), D, diameter)) {
    return where + ", column " + headerOf(t, "D") + ": \"" + D + "\" " + cellProblem(t, D);
  }
  for (const SectionValue* v : givenValues()) {
    const std::string name = v->name, cell = cellOf(t, row, name);
    const bool side = name == "b" || name == "h";
    if (circle && isBlank(cell) && ((side && !isBlank(D)) || name == "r")) continue;
    if (!readCell(t, columnOf(t, name), cell, s.*v->member)) {
      return where + ", column " + headerOf(t, name) + ": \"" + cell + "\" " + cellProblem(t, cell);
    }
    if (circle && side && !isBlank(D) && s.*v->member != diameter) {
      return where + ", column " + headerOf(t, name) + ": \"" + cell +
             "\" is not D = " + trimmed(D) + ": a circular section has one diameter";
    }
  }
  if (circle && !isBlank(D)) s.b = s.h = diameter;
  return {};
}

// "column L_mm: L = ... (...); column L_mm is in mm", or empty where the
// length suits the section. `own`: the row gives its length, else the
// --length all rows take.
std::string lengthRefusal(const SectionTable& t, const Units& units, const PreparedRow& p,
                          bool own) {
  const TableColumn column = columnOf(t, "L");
  const bool named = own && !column.unit.empty();
  const std::string unit = named ? column.unit : units.text(Quantity::Length);
  const std::optional<std::string> why = lengthOutOfRange(
      p.section, p.analysis, unit, named ? column.factor : units.from(Quantity::Length, 1));
  if (!why) return {};
  const std::string where =
      own ? "column " + t.header[static_cast<std::size_t>(column.index)] : "--length";
  return where + ": " + *why + "; " + where + " is in " + unit +
         (named ? "" : std::string(" with --units ") + unitsName(units.system));
}

PreparedRow prepareRow(const SectionTable& t, std::size_t index, const BatchRequest& request,
                       std::map<std::string, std::size_t>& ids) {
  PreparedRow p;
  p.analysis = request.analysis;
  const std::vector<std::string>& row = t.rows[index];
  const std::size_t number = request.firstRow + index + 1;
  const std::string where = "data row " + std::to_string(number);
  if (index < t.rowErrors.size() && !t.rowErrors[index].empty()) {
    p.refusal = where + " " + t.rowErrors[index];
    return p;
  }
  RequestTexts texts;
  for (auto [name, text] : {std::pair{"model", &texts.model},
                            {"bars_face", &texts.barsFace},
                            {"bars_side", &texts.barsSide},
                            {"L", &texts.length},
                            {"legs_b", &texts.legsB},
                            {"legs_h", &texts.legsH},
                            {"shape", &texts.shape},
                            {"n_bars", &texts.circleBars},
                            {"transverse", &texts.transverse}}) {
    *text = cellOf(t, row, name);
  }
  // A length in the column's own unit ("L_mm"), else in the units' length.
  const TableColumn length = columnOf(t, "L");
  const RequestFormat format{request.units, t.decimalComma,
                             length.unit.empty() ? 0 : length.factor};
  if (const std::optional<RequestFault> fault = readRequest(texts, format, p.analysis)) {
    p.refusal = where + ", column " + headerOf(t, fault->field) + ": " + requestFaultText(*fault);
    return p;
  }
  p.refusal = readValues(t, row, p.analysis.shape == SectionShape::Circular, where, p.section);
  if (!p.refusal.empty()) return p;
  for (const auto& [name, column] : t.columns) {
    if (column.unit.empty() || findSectionValue(name) == nullptr) continue;
    p.given[name] = {trimmed(t.header[static_cast<std::size_t>(column.index)]), column.unit,
                     column.factor};
  }
  const int idColumn = columnOf(t, "id").index;
  p.id = idColumn < 0 ? std::to_string(number) : row[static_cast<std::size_t>(idColumn)];
  const auto earlier = ids.emplace(p.id, number);
  if (!earlier.second) {
    p.refusal =
        where + ": id \"" + p.id + "\" repeats data row " + std::to_string(earlier.first->second);
    return p;
  }
  if (request.sectionFiles && !safeName(p.id)) {
    p.refusal = where + ": id \"" + p.id + "\" is not a safe folder name";
    return p;
  }
  std::optional<Fault> fault = prepareSection(p.section);
  if (!fault) fault = checkAnalysis(p.section, p.analysis);
  if (fault) {
    p.refusal = invalidDataText(*fault, p.section, p.given);
    return p;
  }
  p.refusal = lengthRefusal(t, request.units, p, !isBlank(texts.length));
  if (!p.refusal.empty()) p.refusal = where + ", " + p.refusal;
  return p;
}

// A number with a decimal comma, for a table that writes them; words as
// they are.
std::string withDecimalComma(std::string cell) {
  double number = 0;
  if (readNumberToken(cell, number)) std::replace(cell.begin(), cell.end(), '.', ',');
  return cell;
}

// A result's cells in `columns`.
std::vector<std::string> cellsIn(const SectionResult& r, const std::vector<std::string>& columns,
                                 const Units& units) {
  std::vector<std::string> cells;
  const Model model = r.analysis.model;
  const std::vector<std::string> own = resultHeader(model, units);
  const std::vector<std::string> values = resultCells(r, model, units);
  for (const std::string& c : columns) {
    const auto at = std::find(own.begin(), own.end(), c);
    cells.push_back(at == own.end() ? std::string() : values[at - own.begin()]);
  }
  return cells;
}

}  // namespace

std::vector<std::string> batchColumns(const std::vector<Model>& ran, Model fallback,
                                      const Units& units) {
  if (ran.empty()) return resultHeader(fallback, units);
  std::vector<std::string> columns;
  for (auto m = ran.rbegin(); m != ran.rend(); ++m) {
    for (const std::string& c : resultHeader(*m, units)) {
      if (std::find(columns.begin(), columns.end(), c) == columns.end()) columns.push_back(c);
    }
  }
  return columns;
}

std::size_t analysesOf(const SectionTable& table, const BatchRequest& request) {
  return table.rows.size() * std::max<std::size_t>(1, request.loads.size());
}

BatchResult runBatch(const SectionTable& t, const BatchRequest& request) {
  std::map<std::string, std::size_t> ids = request.earlierIds;
  std::vector<PreparedRow> rows;
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    rows.push_back(prepareRow(t, i, request, ids));
  }
  const bool crossed = !request.loads.empty();
  const std::size_t perRow = crossed ? request.loads.size() : 1;
  BatchResult result;
  result.analyses = rows.size() * perRow;
  std::vector<SectionResult> analyses(result.analyses);
  runInParallel(
      result.analyses, request.jobs,
      [&](std::size_t k) {
        const PreparedRow& row = rows[k / perRow];
        if (!row.refusal.empty()) return;
        SectionData s = row.section;
        if (crossed) s.P0 = request.loads[k % perRow];
        analyses[k] = analyse(s, row.analysis, row.given);
      },
      request.done);

  std::vector<std::string>& header = result.table.header;
  header = t.header;
  header.push_back("status");
  if (crossed) header.push_back("P0_" + request.units.key(Quantity::Force));
  for (const ModelEntry& m : modelTable()) {
    for (const PreparedRow& r : rows) {
      if (r.refusal.empty() && r.analysis.model == m.model) {
        result.modelsRan.push_back(m.model);
        break;
      }
    }
  }
  const std::vector<std::string> columns =
      batchColumns(result.modelsRan, request.analysis.model, request.units);
  header.insert(header.end(), columns.begin(), columns.end());
  header.push_back("warnings");
  for (std::size_t k = 0; k < result.analyses; ++k) {
    const PreparedRow& row = rows[k / perRow];
    std::vector<std::string> cells = t.rows[k / perRow];
    cells.push_back(!row.refusal.empty() ? row.refusal : resultStatus(analyses[k], request.units));
    if (crossed) cells.push_back(loadText(request.loads[k % perRow], request.units));
    std::vector<std::string> results(columns.size());
    if (row.refusal.empty()) {
      results = cellsIn(analyses[k], columns, request.units);
      if (request.sectionFiles && modelEntry(row.analysis.model).writesSection) {
        const std::string folder =
            crossed ? row.id + "/" + loadFolder(k % perRow + 1, perRow) : row.id;
        result.sections.push_back({folder, sectionText(analyses[k].section, analyses[k].curve)});
      }
    }
    if (request.decimalComma) {
      for (std::string& c : results) c = withDecimalComma(c);
      if (crossed) cells.back() = withDecimalComma(cells.back());
    }
    cells.insert(cells.end(), results.begin(), results.end());
    std::string warnings;
    for (const Warning& w : analyses[k].warnings) {
      warnings += (warnings.empty() ? "" : "; ") + w.text;
    }
    cells.push_back(warnings);
    result.table.rows.push_back(std::move(cells));
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].refusal.empty()) result.refusedRows.push_back(request.firstRow + i + 1);
  }
  result.refused = result.refusedRows.size();
  result.tableRows = rows.size();
  return result;
}

}  // namespace mphi
