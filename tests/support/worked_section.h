// The worked example's section data after the bar layout, for the tests
// and the benchmark.
#pragma once

#include "curve/analysis_request.h"
#include "section/section_data.h"

namespace mphi {

// The worked example at load P0 (T).
SectionData workedSection(float P0 = 100);

// The default request for a column of length L (cm).
inline Analysis withLength(double L) {
  Analysis a;
  a.length = L;
  return a;
}

}  // namespace mphi
