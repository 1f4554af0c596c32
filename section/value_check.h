// The data check on the section's values alone: each given value finite
// and within the bounds the value table states, then the bar layout
// finite. The models add their own checks of what they derive.
#pragma once

#include <optional>

#include "section/fault.h"
#include "section/section_data.h"

namespace mphi {

// The first fault, after the layout has been applied, or none.
std::optional<Fault> checkValues(const SectionData& section);

}  // namespace mphi
