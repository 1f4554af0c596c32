// CSV records as a spreadsheet writes them (RFC 4180 quoting, LF or CR LF
// line ends), read by Debian's libcsv in its strict mode.
#pragma once

#include <string>
#include <vector>

namespace mphi {

// A file's records, empty ones left out: a comma between cells, or a
// semicolon where `semicolons`; false with the reason ("malformed CSV at
// line 3: a stray quote ...").
bool readCsv(const std::string& bytes, bool semicolons,
             std::vector<std::vector<std::string>>& records, std::string& error);

}  // namespace mphi
