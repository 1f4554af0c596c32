#include "batch/batch_run.h"

#include <algorithm>
#include <map>

#include "analysis/section_check.h"
#include "frontend/output_file.h"
#include "frontend/parallel.h"
#include "frontend/section_result.h"
#include "frontend/tool_status.h"
#include "section/section_values.h"
#include "section_file/section_writer.h"
#include "textio/number_reader.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

// One row made ready: its section data, or why it is refused.
struct PreparedRow {
  SectionData section;
  std::string id;
  std::string refusal;  // empty when the row runs
};

bool safeName(const std::string& id) {
  return !id.empty() && id != "." && id != ".." && id.find('/') == std::string::npos &&
         id.find('\0') == std::string::npos;
}

int columnOf(const SectionTable& t, const std::string& name) {
  const auto at = std::find(t.header.begin(), t.header.end(), name);
  return at == t.header.end() ? -1 : static_cast<int>(at - t.header.begin());
}

PreparedRow prepareRow(const SectionTable& t, std::size_t index, bool sectionFiles,
                       std::map<std::string, std::size_t>& ids) {
  PreparedRow p;
  const std::vector<std::string>& row = t.rows[index];
  const std::string number = std::to_string(index + 1);
  SectionData& s = p.section;
  // The values a user gives; the ones the layout derives need no cell.
  for (const SectionValue* v : givenValues()) {
    const std::string cell = row[static_cast<std::size_t>(columnOf(t, v->name))];
    if (!readNumberToken(cell, s.*v->member)) {
      p.refusal = "row " + number + ", column " + v->name + ": \"" + cell + "\" is not a number";
      return p;
    }
  }
  const int idColumn = columnOf(t, "id");
  p.id = idColumn < 0 ? number : row[static_cast<std::size_t>(idColumn)];
  if (sectionFiles) {
    if (!safeName(p.id)) {
      p.refusal = "row " + number + ": id \"" + p.id + "\" is not a safe folder name";
      return p;
    }
    const auto earlier = ids.emplace(p.id, index + 1);
    if (!earlier.second) {
      p.refusal = "row " + number + ": id \"" + p.id + "\" repeats row " +
                  std::to_string(earlier.first->second);
      return p;
    }
  }
  if (const std::optional<Fault> fault = prepareSection(s)) p.refusal = invalidDataText(*fault);
  return p;
}

}  // namespace

std::size_t analysesOf(const SectionTable& table, const BatchRequest& request) {
  return table.rows.size() * std::max<std::size_t>(1, request.loads.size());
}

BatchResult runBatch(const SectionTable& t, const BatchRequest& request) {
  std::map<std::string, std::size_t> ids;
  std::vector<PreparedRow> rows;
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    rows.push_back(prepareRow(t, i, request.sectionFiles, ids));
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
        analyses[k] = analyseForReport(s);
      },
      request.done);

  std::vector<std::string> header = t.header;
  header.push_back("status");
  if (crossed) header.push_back("P0_T");
  header.insert(header.end(), resultHeader().begin(), resultHeader().end());
  result.csv = csvLine(header) + "\n";
  for (std::size_t k = 0; k < result.analyses; ++k) {
    const PreparedRow& row = rows[k / perRow];
    std::vector<std::string> cells = t.rows[k / perRow];
    cells.push_back(row.refusal.empty() ? "ok" : row.refusal);
    if (crossed) cells.push_back(floatText(request.loads[k % perRow]));
    std::vector<std::string> results(resultHeader().size());
    if (row.refusal.empty()) {
      results = resultCells(analyses[k]);
      if (request.sectionFiles) {
        const std::string folder =
            crossed ? row.id + "/" + loadFolder(k % perRow + 1, perRow) : row.id;
        result.sections.push_back({folder, sectionText(analyses[k].section, analyses[k].curve)});
      }
    }
    cells.insert(cells.end(), results.begin(), results.end());
    result.csv += csvLine(cells) + "\n";
  }
  for (const PreparedRow& row : rows) result.refused += !row.refusal.empty();
  return result;
}

}  // namespace mphi
