// The curve as a self-contained SVG picture: moment against curvature with
// both idealisations, the 0.8 Mu level and the key points; with a column
// length, the force-displacement curve as a second panel.
#pragma once

#include <string>

#include "report/curve_report.h"
#include "report/section_file.h"

namespace mphi {

std::string svgPlot(const SectionFile& file, const CurveReport& report);

}  // namespace mphi
