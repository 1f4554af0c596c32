#include "textio/csv_reader.h"

#include <csv.h>

#include <algorithm>

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

// The line of byte `offset`, the header being line 1.
std::size_t lineAt(const std::string& text, std::size_t offset) {
  return 1 + static_cast<std::size_t>(
                 std::count(text.begin(), text.begin() + std::min(offset, text.size()), '\n'));
}

}  // namespace

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

}  // namespace mphi
