// The specified model: the moment-curvature curve traced by stepping the
// extreme-fibre strain, with a 500-row results table of single-precision
// values as SECTION holds it. Pure: no I/O, no text and no shared state,
// so any number of threads may call it at once.
#pragma once

#include <vector>

#include "curve/curve.h"
#include "section/section_data.h"

namespace mphi {

// The section data after the bar layout and the data check; anything else
// may give a curve of NaN or one that never ends.
Curve specifiedCurve(const SectionData& section);

// One row of the results table: curvature 1/cm, moment T.cm, fibre
// strain, neutral-axis depth cm; zeros where no step was recorded.
struct TableRow {
  float k = 0, m = 0, e = 0, c = 0;
};

// The curve a results table holds: the rows after the origin that are not
// all zero as its points, first yield where My or Ky is not zero, the peak
// (the first of the largest moments of a computed row) and the ultimate
// point (the last computed row). The end is not known from a table alone.
Curve curveFromTable(const std::vector<TableRow>& rows, float My, float Ky, double tensionDepth);

// The table back from such a curve: its rows, zeros where no point lies.
std::vector<TableRow> tableOf(const Curve& curve);

}  // namespace mphi
