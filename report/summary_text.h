// The report as plain text lines, units T and cm.
#pragma once

#include <string>

#include "analysis/curve.h"
#include "figures/curve_figures.h"
#include "section/section_data.h"

namespace mphi {

// `section` and `curve` as SECTION holds them; `figures` of those.
std::string summaryText(const SectionData& section, const Curve& curve,
                        const CurveFigures& figures);

// How a curve ended, in words for a reader: "the moment fell below 0.8 of
// its peak (0.8 Mu)".
const char* endWords(CurveEnd end);

}  // namespace mphi
