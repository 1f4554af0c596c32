// Section data for the in-process front ends, taken as mphi takes it: the
// 22 values through the number reader, the bar layout, the data check.
#pragma once

#include <string>

#include "analysis/curve.h"
#include "analysis/section_data.h"

namespace mphi {

struct SectionInput {
  SectionData section;  // after the layout
  int status = 0;       // mphi's exit status for this input: 0, a diagnostic, or 65
  std::string error;    // mphi's line for it, "mphi: ..."
};

// `fileName` names the input in a read diagnostic ("stdin" for standard input).
SectionInput sectionFromInput(const std::string& text, const std::string& fileName);

// Applies the layout to `section` (values 20 to 22 and the rest as read)
// and checks it; the line of the first fault, or empty.
std::string prepareSection(SectionData& section);

// mphi's line without its "mphi: ", for tools that give it under their own
// name or as a row's status.
std::string withoutProgramName(const std::string& line);

// SECTION's bytes for the section data and its curve, exactly as mphi
// writes them: the echo, the table and the initial-yield point, CR LF.
std::string sectionFileText(const SectionData& section, const Curve& curve);

}  // namespace mphi
