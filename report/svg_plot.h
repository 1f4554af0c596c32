// The curve as a self-contained SVG picture: moment against curvature with
// both idealisations, the 0.8 Mu level and the key points; with a column
// length, the force-displacement curve as a second panel.
#pragma once

#include <string>

#include "curve/curve.h"
#include "figures/curve_figures.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

std::string svgPlot(const SectionData& section, const Curve& curve, const CurveFigures& figures,
                    const Units& units = {});

}  // namespace mphi
