#include "textio/text_table.h"

namespace mphi {

std::string csvLine(const std::vector<std::string>& cells, char separator) {
  const std::string special = std::string(1, separator) + "\"\r\n";
  std::string line;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += separator;
    const std::string& c = cells[i];
    if (c.find_first_of(special) == std::string::npos) {
      line += c;
      continue;
    }
    line += '"';
    for (char ch : c) line += ch == '"' ? std::string("\"\"") : std::string(1, ch);
    line += '"';
  }
  return line;
}

std::string csvOf(const TextTable& table, char separator) {
  std::string csv = csvLine(table.header, separator) + "\n";
  for (const std::vector<std::string>& row : table.rows) csv += csvLine(row, separator) + "\n";
  return csv;
}

}  // namespace mphi
