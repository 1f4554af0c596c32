// The curve as a spreadsheet: the origin and the computed rows, each with
// its row number in the model's table, so that no line runs back to the
// origin.
#pragma once

#include <string>

#include "curve/curve.h"
#include "section/units.h"

namespace mphi {

std::string csvText(const Curve& curve, const Units& units = {});

}  // namespace mphi
