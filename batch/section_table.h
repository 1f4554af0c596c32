// A table of sections as a spreadsheet writes it: CSV with a header row,
// LF or CR LF line ends, quoted fields, an optional UTF-8 byte-order mark.
#pragma once

#include <string>
#include <vector>

namespace mphi {

struct SectionTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // as many cells as the header
  std::string error;                           // why the table cannot be read at all, or empty
};

// The columns every table must have: the values a user gives mphi, by
// their names and in their units.
std::vector<std::string> requiredColumns();

// Reads the table from the file's bytes; a row shorter than the header is
// filled with empty cells, a longer one is an error.
SectionTable parseSectionTable(const std::string& bytes);

// `cells` as one CSV line, quoting where a cell needs it (no line end).
std::string csvLine(const std::vector<std::string>& cells);

}  // namespace mphi
