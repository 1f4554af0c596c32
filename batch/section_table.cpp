#include "batch/section_table.h"

#include <csv.h>

#include <algorithm>
#include <cctype>

#include "section/section_values.h"
#include "section/units.h"
#include "textio/number_reader.h"

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

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trim(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

enum class Kind { None, Length, Stress, Force };

struct Unit {
  Kind kind;
  const char* name;   // lower case
  double factor;      // to mphi's unit of its kind
  const char* shown;  // as a message names it; nullptr for another spelling
};

// As the analysis converts: T/cm2 and MPa by 0.0102, tons and newtons by
// 9810.
const Unit kUnits[] = {
    {Kind::Length, "mm", 1 / static_cast<double>(kMmPerCm), "mm"},
    {Kind::Length, "cm", 1, "cm"},
    {Kind::Length, "m", kCmPerM, "m"},
    {Kind::Stress, "mpa", kTonPerCm2InMPa, "MPa"},
    {Kind::Stress, "gpa", 1000 * static_cast<double>(kTonPerCm2InMPa), "GPa"},
    {Kind::Stress, "t/cm2", 1, "T/cm2"},
    {Kind::Stress, "tcm2", 1, nullptr},
    {Kind::Force, "kn", 1000 / static_cast<double>(kNewtonsPerTon), "kN"},
    {Kind::Force, "n", 1 / static_cast<double>(kNewtonsPerTon), "N"},
    {Kind::Force, "t", 1, "T"},
};

std::string unitsOf(Kind kind) {
  std::string names;
  for (const Unit& u : kUnits) {
    if (u.kind == kind && u.shown != nullptr)
      names += (names.empty() ? "" : ", ") + std::string(u.shown);
  }
  return names;
}

struct Known {
  std::string name;  // mphi's
  Kind kind;
  bool required;
};

// Every column mphi-batch reads, and the kind of unit it is in.
std::vector<Known> knownColumns() {
  std::vector<Known> known;
  for (const SectionValue* v : givenValues()) {
    const std::string unit = v->unit;
    const Kind kind = unit == "cm"   ? Kind::Length
                      : unit == "T"  ? Kind::Force
                      : unit.empty() ? Kind::None
                                     : Kind::Stress;
    known.push_back({v->name, kind, true});
  }
  for (const char* name : {"id", "model", "bars_face", "bars_side"}) {
    known.push_back({name, Kind::None, false});
  }
  known.push_back({"L", Kind::Length, false});
  return known;
}

// Which known column a header cell names, and in what unit; false for the
// user's own columns. `error` says why a known one cannot be taken.
bool matchColumn(const std::string& cell, const std::vector<Known>& known, const Known*& match,
                 double& factor, std::string& error) {
  std::string name = trim(cell), unit;
  const std::size_t open = name.find('(');
  if (!name.empty() && name.back() == ')' && open != std::string::npos) {
    unit = lower(trim(name.substr(open + 1, name.size() - open - 2)));
    name = trim(name.substr(0, open));
  }
  auto find = [&](const std::string& n) -> const Known* {
    for (const Known& k : known) {
      if (lower(k.name) == lower(n)) return &k;
    }
    return nullptr;
  };
  match = find(name);
  const std::size_t underscore = name.rfind('_');
  if (match == nullptr && unit.empty() && underscore != std::string::npos) {
    const Known* k = find(name.substr(0, underscore));
    const std::string suffix = lower(name.substr(underscore + 1));
    for (const Unit& u : kUnits) {
      if (k != nullptr && u.kind == k->kind && suffix == u.name) match = k, unit = suffix;
    }
  }
  if (match == nullptr) return false;
  factor = 1;
  if (unit.empty() || match->kind == Kind::None) return true;  // "r (-)", "id (text)"
  for (const Unit& u : kUnits) {
    if (u.kind == match->kind && unit == u.name && match->kind != Kind::None) {
      factor = u.factor;
      return true;
    }
  }
  error = "column \"" + trim(cell) + "\": " + unit + " is not a unit of " + match->name + " (" +
          unitsOf(match->kind) + ")";
  return true;
}

// The line of byte `offset`, the header being line 1.
std::size_t lineAt(const std::string& text, std::size_t offset) {
  return 1 + static_cast<std::size_t>(
                 std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

}  // namespace

std::vector<std::string> requiredColumns() {
  std::vector<std::string> names;
  for (const SectionValue* v : givenValues()) names.push_back(v->name);
  return names;
}

bool readCsv(const std::string& text, bool semicolons,
             std::vector<std::vector<std::string>>& records, std::string& error) {
  csv_parser parser;
  if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
    error = "cannot start the CSV reader";
    return false;
  }
  if (semicolons) csv_set_delim(&parser, ';');
  Reading reading;
  const std::size_t parsed =
      csv_parse(&parser, text.data(), text.size(), onField, onRecordEnd, &reading);
  const bool failed =
      parsed != text.size() || csv_fini(&parser, onField, onRecordEnd, &reading) != 0;
  csv_free(&parser);
  if (failed) {
    error = parsed == text.size()
                ? std::string("malformed CSV: the file ends inside a quoted cell")
                : "malformed CSV at line " + std::to_string(lineAt(text, parsed)) +
                      ": a stray quote (a quoted cell must be quoted whole)";
    return false;
  }
  records = std::move(reading.records);
  records.erase(std::remove_if(records.begin(), records.end(), blank), records.end());
  return true;
}

SectionTable parseSectionTable(const std::string& bytes) {
  SectionTable table;
  std::string text = bytes;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // byte-order mark
  // A header with semicolons and no commas: a spreadsheet of a country
  // that writes 0,21 for 0.21.
  const std::string headerLine = text.substr(0, text.find('\n'));
  const bool semicolons =
      headerLine.find(',') == std::string::npos && headerLine.find(';') != std::string::npos;
  table.decimalComma = semicolons;
  std::vector<std::vector<std::string>> records;
  if (!readCsv(text, semicolons, records, table.error)) return table;
  if (records.empty()) {
    table.error = "no header row";
    return table;
  }
  std::vector<std::string> header = std::move(records.front());
  records.erase(records.begin());
  return sectionTableOf(std::move(header), std::move(records), semicolons);
}

SectionTable sectionTableOf(std::vector<std::string> header,
                            std::vector<std::vector<std::string>> rows, bool decimalComma) {
  SectionTable table;
  table.header = std::move(header);
  table.decimalComma = decimalComma;
  const std::vector<Known> known = knownColumns();
  std::map<std::string, std::string> named;  // mphi's name: the header cell
  for (std::size_t i = 0; i < table.header.size(); ++i) {
    const Known* k = nullptr;
    double factor = 1;
    if (!matchColumn(table.header[i], known, k, factor, table.error)) continue;
    if (!table.error.empty()) return table;
    const auto earlier = named.emplace(k->name, table.header[i]);
    if (!earlier.second) {
      table.error = "column " + k->name + " is given twice: \"" + earlier.first->second +
                    "\" and \"" + table.header[i] + "\"";
      return table;
    }
    table.columns[k->name] = {static_cast<int>(i), factor};
  }
  std::string missing;
  std::size_t count = 0;
  for (const Known& k : known) {
    if (!k.required || table.columns.count(k.name) != 0) continue;
    missing += (missing.empty() ? "" : ", ") + k.name;
    ++count;
  }
  if (count > 0) {
    table.error = (count == 1 ? "required column " : "required columns ") + missing +
                  (count == 1 ? " is missing" : " are missing");
    return table;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].size() > table.header.size()) {
      table.error = "data row " + std::to_string(i + 1) + " has " + std::to_string(rows[i].size()) +
                    " cells, the header " + std::to_string(table.header.size());
      return table;
    }
    rows[i].resize(table.header.size());
  }
  table.rows = std::move(rows);
  return table;
}

bool readCell(const SectionTable& table, const TableColumn& column, const std::string& cell,
              float& value) {
  std::string text = cell;
  if (table.decimalComma) std::replace(text.begin(), text.end(), ',', '.');
  // In mphi's own unit a cell reads as mphi reads its input: straight to
  // the nearest float; in another, the double is converted, then stored.
  if (column.factor == 1) return readNumberToken(text, value);
  double number = 0;
  if (!readNumberToken(text, number)) return false;
  value = static_cast<float>(number * column.factor);
  return true;
}

}  // namespace mphi
