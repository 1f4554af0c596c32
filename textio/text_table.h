// A table of text cells, as the tools write their results: a header and
// rows of the same width, and its CSV text (RFC 4180 quoting, LF ends;
// commas, or semicolons where a spreadsheet writes decimal commas).
#pragma once

#include <string>
#include <vector>

namespace mphi {

struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// `cells` as one CSV line between `separator`s (',' or ';'), quoting where
// a cell needs it (no line end).
std::string csvLine(const std::vector<std::string>& cells, char separator = ',');

// The header and every row, one line each.
std::string csvOf(const TextTable& table, char separator = ',');

}  // namespace mphi
