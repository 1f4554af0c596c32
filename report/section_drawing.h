// The section drawn to scale, as an engineer checks the data by looking at
// it: the concrete, the ties, spiral or hoops on their centre line, the main
// bars at their centres and of their size (explicit bars, or a circle's),
// or the line the spread steel lies on; the compression face at the top.
// A self-contained SVG picture with its dimensions and a few lines of text
// under it, in the units asked for.
#pragma once

#include <string>

#include "curve/analysis_request.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

// `section` after the layout; `analysis` for the shape and the bars.
std::string sectionDrawing(const SectionData& section, const Analysis& analysis,
                           const Units& units = {});

}  // namespace mphi
