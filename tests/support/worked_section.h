// The worked example's section data after the bar layout, for the tests
// and the benchmark.
#pragma once

#include "section/section_data.h"

namespace mphi {

// The worked example at load P0 (T).
SectionData workedSection(float P0 = 100);

}  // namespace mphi
