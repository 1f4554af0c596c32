// The curve as a self-contained SVG picture (no scripts, no external
// fonts): moment against curvature with the idealisation and key points.
#pragma once

#include <string>

#include "report/curve_summary.h"
#include "report/section_file.h"

namespace mphi {

std::string svgPlot(const SectionFile& file, const CurveSummary& summary);

}  // namespace mphi
