// Section data that the formulas cannot take: found before the analysis so
// that the user hears the cause rather than a table of NaN or a run that
// never ends.
#pragma once

#include <string>

#include "analysis/section_data.h"

namespace mphi {

constexpr int kInvalidDataStatus = 65;  // the data is wrong (EX_DATAERR)

// The first fault of the section data after the layout, as the line
// "mphi: invalid section data: NAME = VALUE: REASON", or empty when the data
// can be analysed.
std::string findSectionFault(const SectionData& section);

}  // namespace mphi
