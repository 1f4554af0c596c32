// The rows a curve's figures may be read from. The specified model's table
// goes on past a bar failure while the fibre strain is below 0.003, and a
// section pulled beyond what its steel carries still balances on a bar law
// without a limit: neither gives a result an engineer can use.
#pragma once

#include "curve/curve.h"
#include "section/section_data.h"

namespace mphi {

// The curve with its figures stopped at its first bar failure: the rows
// from that event on are left out, and first yield with them where it came
// no earlier; the peak and the ultimate point are those of the rows left.
// Where P0 is a tension beyond As fu (the bars' strength) no row is left at
// all. Otherwise the curve as it is. Loads in T.
Curve figuresCurve(const SectionData& section, Curve curve);

// The same for a curve read back from SECTION, which holds no events: no
// row is left where P0 is a tension beyond As fy, the load at which its
// bars yield and, in the specified model, fail at once.
Curve fileFiguresCurve(const SectionData& section, Curve curve);

}  // namespace mphi
