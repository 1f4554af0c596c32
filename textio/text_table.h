// A table of text cells, as the tools write their results: a header and
// rows of the same width, and its CSV text (RFC 4180 quoting, LF ends).
#pragma once

#include <string>
#include <vector>

namespace mphi {

struct TextTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;
};

// `cells` as one CSV line, quoting where a cell needs it (no line end).
std::string csvLine(const std::vector<std::string>& cells);

// The header and every row, one line each.
std::string csvOf(const TextTable& table);

}  // namespace mphi
