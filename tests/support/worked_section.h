// The worked examples' section data after the bar layout, for the tests
// and the benchmark: the rectangular one and the circular bridge column.
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

// The bridge column at load P0 (T): D = 60 cm, 12 bars of 2.5 cm, cover 4
// cm to a 1.3 cm spiral at 8 cm, fc 0.35, fy and fsy 4.2, Es 2040 T/cm2.
SectionData bridgeSection(float P0 = 150);

// Its request: the assessment model, a cantilever of length L (cm).
Analysis bridgeColumn(double L = 300, Transverse transverse = Transverse::Spiral);

}  // namespace mphi
