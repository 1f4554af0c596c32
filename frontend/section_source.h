// A section as the tools take it in: the 22 values mphi reads, from a file
// or standard input, with the bar layout and the data check. A failure is
// said in the tool's own words with mphi's exit status.
#pragma once

#include <string>

#include "section/section_data.h"

namespace mphi {

struct SectionSource {
  SectionData section;  // after the layout, when status is 0
  int status = 0;       // 0; 2 an unreadable file; 24, 39, 59, 64 as mphi's reader; 65 invalid data
  std::string error;    // "short.in: the input ends before value 8 (num1): 22 values are needed"
};

// `path` "-" is standard input.
SectionSource readSectionSource(const std::string& path);

}  // namespace mphi
