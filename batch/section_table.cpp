#include "batch/section_table.h"

#include <csv.h>

#include <algorithm>

#include "section/section_values.h"

namespace mphi {
namespace {

struct Reading {
  std::vector<std::vector<std::string>> records;
  std::vector<std::string> record;
};

void onField(void* field, std::size_t length, void* context) {
  auto& r = *static_cast<Reading*>(context);
  r.record.emplace_back(field == nullptr ? "" : static_cast<const char*>(field), length);
}

void onRecordEnd(int, void* context) {
  auto& r = *static_cast<Reading*>(context);
  r.records.push_back(std::move(r.record));
  r.record.clear();
}

bool blank(const std::vector<std::string>& record) {
  return std::all_of(record.begin(), record.end(), [](const std::string& c) { return c.empty(); });
}

}  // namespace

std::vector<std::string> requiredColumns() {
  std::vector<std::string> names;
  for (const SectionValue* v : givenValues()) names.push_back(v->name);
  return names;
}

SectionTable parseSectionTable(const std::string& bytes) {
  SectionTable table;
  std::string text = bytes;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // byte-order mark
  csv_parser parser;
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
    table.error = "cannot start the CSV reader";
    return table;
  }
  Reading reading;
  const std::size_t parsed =
      csv_parse(&parser, text.data(), text.size(), onField, onRecordEnd, &reading);
  const bool failed =
      parsed != text.size() || csv_fini(&parser, onField, onRecordEnd, &reading) != 0;
  if (failed) {
    table.error = "CSV " + std::string(csv_strerror(csv_error(&parser))) + " in record " +
                  std::to_string(reading.records.size() + 1);
  }
  csv_free(&parser);
  if (failed) return table;

  auto& records = reading.records;
  records.erase(std::remove_if(records.begin(), records.end(), blank), records.end());
  if (records.empty()) {
    table.error = "no header row";
    return table;
  }
  table.header = records.front();
  for (const std::string& name : requiredColumns()) {
    if (std::find(table.header.begin(), table.header.end(), name) == table.header.end()) {
      table.error = "required column \"" + name + "\" is missing";
      return table;
    }
  }
  for (std::size_t i = 1; i < records.size(); ++i) {
    std::vector<std::string>& row = records[i];
    if (row.size() > table.header.size()) {
      table.error = "row " + std::to_string(i) + " has " + std::to_string(row.size()) +
                    " cells, the header " + std::to_string(table.header.size());
      return table;
    }
    row.resize(table.header.size());
    table.rows.push_back(std::move(row));
  }
  return table;
}

std::string csvLine(const std::vector<std::string>& cells) {
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ',';
    const std::string& c = cells[i];
    if (c.find_first_of(",\"\r\n") == std::string::npos) {
      line += c;
      continue;
    }
    line += '"';
    for (char ch : c) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    line += '"';
  }
  return line;
}

}  // namespace mphi
