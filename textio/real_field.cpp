#include "textio/real_field.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace mphi {
namespace {

// The exact decimal value of a finite, nonzero |x|: digits d0 d1 d2 ... and
// the exponent of d0, so |x| = d0.d1d2... x 10^exponent. A double's exact
// expansion never has more than 767 significant digits, so 800 requested
// digits hold it whole and glibc's printf then rounds nothing.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

Decimal exactDecimal(double magnitude) {
  char text[900];
  std::snprintf(text, sizeof text, "%.800e", magnitude);
  Decimal dec;
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') dec.digits.push_back(*p);
  }
  dec.exponent = std::atoi(p + 1);
  return dec;
}

// Keeps `count` significant digits (count >= 1), rounding halfway away from
// zero; a carry out of the first digit raises the exponent.
Decimal roundedTo(const Decimal& exact, int count) {
  Decimal r;
  r.exponent = exact.exponent;
  r.digits = exact.digits.substr(0, count);
  if (exact.digits[count] >= '5') {
    int i = count - 1;
    while (i >= 0 && r.digits[i] == '9') r.digits[i--] = '0';
    if (i >= 0) {
      ++r.digits[i];
    } else {
      r.digits.insert(r.digits.begin(), '1');
      r.digits.pop_back();
      ++r.exponent;
    }
  }
  return r;
}

std::string rightAligned(const std::string& text, int width) {
  if (static_cast<int>(text.size()) > width) return std::string(width, '*');
  return std::string(width - text.size(), ' ') + text;
}

std::string exponentText(int exponent, int e) {
  std::string digits = std::to_string(std::abs(exponent));
  if (static_cast<int>(digits.size()) > e) return {};
  return std::string(exponent < 0 ? "E-" : "E+") + std::string(e - digits.size(), '0') + digits;
}

}  // namespace

std::string realField(double x, int w, int d, int e) {
  if (std::isnan(x)) return rightAligned("NaN", w);
  if (std::isinf(x)) return rightAligned(x < 0 ? "-Infinity" : "Infinity", w);
  if (x == 0.0) return rightAligned("0." + std::string(d, '0') + exponentText(0, e), w);

  const std::string sign = x < 0 ? "-" : "";
  const Decimal exact = exactDecimal(std::fabs(x));
  // The F or E choice is made on the value rounded to d digits.
  const int landed = roundedTo(exact, d).exponent;
  if (landed >= -1 && landed < d) {
    const int intDigits = landed + 1;  // 0 for values below 1
    // Rounding to d - intDigits decimals keeps this many significant digits.
    const int kept = exact.exponent + 1 + d - intDigits;
    Decimal r = roundedTo(exact, kept);
    // Place the digits on a grid of intDigits integer and d - intDigits
    // fraction positions.
    std::string grid(d, '0');
    const int first = intDigits - 1 - r.exponent;  // grid index of digits[0]
    for (int i = 0; i < static_cast<int>(r.digits.size()); ++i) {
      if (first + i >= 0 && first + i < d) grid[first + i] = r.digits[i];
    }
    std::string text =
        sign + (intDigits == 0 ? "0" : grid.substr(0, intDigits)) + "." + grid.substr(intDigits);
    return rightAligned(text, w - (e + 2)) + std::string(e + 2, ' ');
  }
  const Decimal r = roundedTo(exact, d + 1);
  const std::string expo = exponentText(r.exponent, e);
  if (expo.empty()) return std::string(w, '*');
  return rightAligned(sign + r.digits.substr(0, 1) + "." + r.digits.substr(1) + expo, w);
}

std::string singleField(float x) {
  return realField(x, 15, 7, 2);
}

std::string doubleField(double x) {
  return realField(x, 24, 15, 3);
}

}  // namespace mphi
