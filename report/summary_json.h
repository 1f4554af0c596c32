// The report as one JSON object, units T and cm. Key names are an interface
// for scripts: absent parts are null, numbers round-trip a double.
#pragma once

#include <string>

#include "curve/curve.h"
#include "figures/curve_figures.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

// "units" names the units of every figure in it.
std::string summaryJson(const SectionData& section, const Curve& curve, const CurveFigures& figures,
                        const Units& units = {});

}  // namespace mphi
