// Section data that the models cannot take, found before the analysis so
// that the user hears the cause rather than reads a table of NaN or waits
// for a run that never ends: the value table's bounds, then what the
// models derive from the values.
#pragma once

#include <optional>

#include "section/fault.h"
#include "section/section_data.h"

namespace mphi {

// The first fault of the section data after the bar layout, or none.
std::optional<Fault> findSectionFault(const SectionData& section);

// Applies the bar layout to `section` (the given values and the rest as
// read), then checks it.
std::optional<Fault> prepareSection(SectionData& section);

}  // namespace mphi
