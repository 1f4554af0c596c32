#include "batch/section_table.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

#include "section/section_values.h"
#include "section/units.h"
#include "textio/blanks.h"
#include "textio/csv_reader.h"
#include "textio/number_reader.h"

namespace mphi {
namespace {

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

struct Known {
  std::string name;                  // mphi's
  std::optional<Quantity> quantity;  // none for a ratio, a count or a word
  bool required;
};

// Every column mphi-batch reads, and the quantity of its unit.
std::vector<Known> knownColumns() {
  std::vector<Known> known;
  for (const SectionValue* v : givenValues()) {
    Quantity q = Quantity::Length;
    known.push_back(
        {v->name, quantityOfUnit(v->unit, q) ? std::optional<Quantity>(q) : std::nullopt, true});
  }
  for (const char* name : {"id", "model", "bars_face", "bars_side", "legs_b", "legs_h", "shape",
                           "n_bars", "transverse"}) {
    known.push_back({name, std::nullopt, false});
  }
  known.push_back({"L", Quantity::Length, false});
  known.push_back({"D", Quantity::Length, false});
  return known;
}

// Which known column a header cell names, and in what unit; false for the
// user's own columns. `error` says why a known one cannot be taken.
bool matchColumn(const std::string& cell, const std::vector<Known>& known, const Known*& match,
                 double& factor, std::string& named, std::string& error) {
  std::string name = trimmed(cell), unit;
  const std::size_t open = name.find('(');
  if (!name.empty() && name.back() == ')' && open != std::string::npos) {
    unit = lower(trimmed(name.substr(open + 1, name.size() - open - 2)));
    name = trimmed(name.substr(0, open));
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
    if (k != nullptr && k->quantity && findNamedUnit(*k->quantity, suffix) != nullptr) {
      match = k, unit = suffix;
    }
  }
  if (match == nullptr) return false;
  factor = 1;
  if (unit.empty() || !match->quantity) return true;  // "r (-)", "id (text)"
  if (const NamedUnit* u = findNamedUnit(*match->quantity, unit)) {
    factor = u->factor;
    named = u->shown != nullptr ? u->shown : unit;
    return true;
  }
  error = "column \"" + trimmed(cell) + "\": " + unit + " is not a unit of " + match->name + " (" +
          namedUnits(*match->quantity) + ")";
  return true;
}

// "; \"b_in\": in is not a unit of b (mm, cm, m)" for each header cell
// that names one of mphi's values in a unit it does not know.
std::string unknownUnits(const std::vector<std::string>& header) {
  std::string words;
  for (const std::string& cell : header) {
    const std::string why = unknownUnitText(cell);
    if (!why.empty()) words += "; " + why;
  }
  return words;
}

}  // namespace

std::string unknownUnitText(const std::string& cell) {
  const std::string name = trimmed(cell);
  const std::size_t underscore = name.rfind('_');
  if (underscore == std::string::npos) return {};
  const std::string unit = name.substr(underscore + 1);
  for (const Known& k : knownColumns()) {
    if (!k.quantity || lower(k.name) != lower(name.substr(0, underscore))) continue;
    if (findNamedUnit(*k.quantity, lower(unit)) != nullptr) return {};
    return "\"" + name + "\": " + unit + " is not a unit of " + k.name + " (" +
           namedUnits(*k.quantity) + ")";
  }
  return {};
}

std::vector<std::string> requiredColumns() {
  std::vector<std::string> names;
  for (const SectionValue* v : givenValues()) names.push_back(v->name);
  return names;
}

SectionTable parseSectionTable(const std::string& bytes) {
  SectionTable table;
  std::string text = bytes;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);  // byte-order mark
  // A header with semicolons and no commas: a spreadsheet of a country
  // that writes 0,21 for 0.21.
  // Separators inside quotes do not count: "Grid, axis" is one cell.
  std::size_t commas = 0, semis = 0;
  bool quoted = false;
  for (std::size_t i = 0; i < text.size() && (quoted || text[i] != '\n'); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (!quoted) commas += text[i] == ',', semis += text[i] == ';';
  }
  const bool semicolons = commas == 0 && semis > 0;
  table.decimalComma = semicolons;
  std::vector<std::vector<std::string>> records;
  if (!readCsv(text, semicolons, records, table.error)) {
    table.error += semicolons ? " (read as semicolon-separated with decimal commas: the header "
                                "has semicolons and no commas outside quotes)"
                              : " (read as comma-separated: the header has commas outside quotes)";
    return table;
  }
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
    std::string unit;
    if (!matchColumn(table.header[i], known, k, factor, unit, table.error)) continue;
    if (!table.error.empty()) return table;
    const auto earlier = named.emplace(k->name, table.header[i]);
    if (!earlier.second) {
      table.error = "column " + k->name + " is given twice: \"" + earlier.first->second +
                    "\" and \"" + table.header[i] + "\"";
      return table;
    }
    table.columns[k->name] = {static_cast<int>(i), factor, unit};
  }
  std::string missing;
  std::size_t count = 0;
  // A table of circular sections gives D for b and h, and their bars
  // instead of r.
  const bool circles = table.columns.count("D") != 0;
  for (const Known& k : known) {
    if (!k.required || table.columns.count(k.name) != 0) continue;
    if (circles && (k.name == "b" || k.name == "h" || k.name == "r")) continue;
    missing += (missing.empty() ? "" : ", ") + k.name;
    ++count;
  }
  if (count > 0) {
    table.error = (count == 1 ? "required column " : "required columns ") + missing +
                  (count == 1 ? " is missing" : " are missing") + unknownUnits(table.header);
    return table;
  }
  // A row with more cells than the header is refused alone; its cells
  // past the header's are dropped, not shifted into other columns.
  table.rowErrors.resize(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].size() > table.header.size()) {
      table.rowErrors[i] = "has " + std::to_string(rows[i].size()) + " cells, the header " +
                           std::to_string(table.header.size()) +
                           ": the row is refused and its cells past the header's dropped";
    }
    rows[i].resize(table.header.size());
  }
  table.rows = std::move(rows);
  return table;
}

std::string cellProblem(const SectionTable& table, const std::string& cell) {
  if (table.decimalComma && cell.find('.') != std::string::npos) {
    return "has a point in a table of decimal commas: is it a decimal point or a thousands "
           "separator? Write it without the point, or with a comma for the decimals";
  }
  std::string text = cell;
  if (table.decimalComma) std::replace(text.begin(), text.end(), ',', '.');
  double number = 0;
  if (readNumberToken(text, number) && std::isfinite(number)) {
    return "is beyond the range of the analysis's numbers (about 3.4e38 at most)";
  }
  return "is not a number";
}

bool readCell(const SectionTable& table, const TableColumn& column, const std::string& cell,
              float& value) {
  if (table.decimalComma && cell.find('.') != std::string::npos) return false;
  std::string text = cell;
  if (table.decimalComma) std::replace(text.begin(), text.end(), ',', '.');
  // In mphi's own unit a cell reads as mphi reads its input: straight to
  // the nearest float; in another, the double is converted, then stored.
  // A number past a float's range is refused as typed, not as Infinity.
  if (column.factor == 1) return readNumberToken(text, value) && std::isfinite(value);
  double number = 0;
  if (!readNumberToken(text, number)) return false;
  value = static_cast<float>(number * column.factor);
  return std::isfinite(value);
}

}  // namespace mphi
