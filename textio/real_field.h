// Fixed-width fields for reals in output records.
#pragma once

#include <string>

namespace mphi {

// Single-precision field: 15 wide, 7 significant digits, 2 exponent digits.
std::string singleField(float x);
// Double-precision field: 24 wide, 15 significant digits, 3 exponent digits.
std::string doubleField(double x);

// The general rule behind both: width w, d significant digits, e exponent
// digits. Rounding is of the exact binary value, halfway cases away from zero.
std::string realField(double x, int w, int d, int e);

}  // namespace mphi
