#include "textio/number_text.h"

#include <cstdio>
#include <cstdlib>

namespace mphi {
namespace {

// printf rounds the exact binary value correctly, on every library.
template <typename Real>
std::string shortest(Real value, int fewest, int most, Real (*read)(const char*, char**)) {
  char text[320];  // %g of any double fits
  for (int digits = fewest; digits < most; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (read(text, nullptr) == value) return text;
  }
  std::snprintf(text, sizeof text, "%.*g", most, static_cast<double>(value));
  return text;
}

}  // namespace

std::string floatText(float value) {
  return shortest(value, 6, 9, std::strtof);
}

std::string doubleText(double value) {
  return shortest(value, 15, 17, std::strtod);
}

}  // namespace mphi
