// The curve as a spreadsheet: the origin and the computed rows, each with
// its row number in SECTION, so that no line runs back to the origin.
#pragma once

#include <string>

#include "report/curve_summary.h"

namespace mphi {

std::string csvText(const CurveSummary& summary);

}  // namespace mphi
