// The 22 values of one input statement into the section data, as mphi
// reads them: free format, later positions overwriting earlier ones.
#pragma once

#include <string>

#include "section/section_data.h"
#include "textio/number_reader.h"

namespace mphi {

struct ReadResult {
  int diagnostic = 0;  // 0, or the reader's diagnostic (24, 39, 59, 64)
  int position = 0;    // the input position (1 to 22) being read when it failed
};

ReadResult readSectionValues(NumberReader& reader, SectionData& section);
ReadResult readSectionValues(const std::string& text, SectionData& section);

// What went wrong, in a tool's own words: "the input ends before value 20
// (b)", "value 15 (fc) is not a number".
std::string readFailureText(const ReadResult& result);

}  // namespace mphi
