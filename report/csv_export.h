// The curve as a spreadsheet: the origin and the computed rows, each with
// its row number in the model's table, so that no line runs back to the
// origin.
#pragma once

#include <string>

#include "analysis/curve.h"

namespace mphi {

std::string csvText(const Curve& curve);

}  // namespace mphi
