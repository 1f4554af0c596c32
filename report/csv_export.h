// The table as a spreadsheet: one line per SECTION row, zero rows included,
// so that row numbers match the file.
#pragma once

#include <string>

#include "report/section_file.h"

namespace mphi {

std::string csvText(const SectionFile& file);

}  // namespace mphi
