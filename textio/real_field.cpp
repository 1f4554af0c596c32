#include "textio/real_field.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace mphi {
namespace {

// |x| = d0.d1d2... x 10^exponent, to as many digits as `digits` holds.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The exact binary value rounded correctly to `count` significant digits,
// halfway cases to even: to_chars where the library has it with a
// precision, else printf, which rounds the same way, only more slowly.
Decimal printed(double magnitude, int count) {
  char text[400];  // room for any count a field asks for
#if defined(__cpp_lib_to_chars)
  char* const end = std::to_chars(text, text + sizeof text - 1, magnitude,
                                  std::chars_format::scientific, count - 1)
                        .ptr;
  *end = '\0';
#else
  std::snprintf(text, sizeof text, "%.*e", count - 1, magnitude);
#endif
  Decimal dec;
  const char* p = text;
  for (; *p != '\0' && *p != 'e'; ++p) {
    if (*p != '.') dec.digits.push_back(*p);
  }
  dec.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
  return dec;
}

// Whether magnitude x 10^k is a whole number. With magnitude = m 2^q this
// is m 2^(q+k) 5^k: for k < 0 the 5s must divide m, and the 2s left over
// must not leave a fraction.
bool scaledIsWhole(double magnitude, int k) {
  int binaryExponent = 0;
  const double fraction = std::frexp(magnitude, &binaryExponent);
  std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int q = binaryExponent - 53;
  if (k < 0) {
    // m < 2^53 < 5^23: a higher power of five never divides it.
    if (-k > 22) return false;
    std::uint64_t power = 1;
    for (int i = 0; i < -k; ++i) power *= 5;
    if (m % power != 0) return false;
    m /= power;
  }
  const int twos = q + k;
  return twos >= 0 || (-twos < 64 && __builtin_ctzll(m) >= -twos);
}

// |x| rounded to `count` significant digits, halfway cases away from zero.
// Only a value with at most count + 1 significant digits can lie exactly
// halfway; printing count + 1 digits shows such a value whole. (When the
// even rounding carried into a new digit it rounded up, as we would.)
Decimal rounded(double magnitude, int count) {
  const Decimal r = printed(magnitude, count);
  if (!scaledIsWhole(magnitude, count - r.exponent)) return r;
  Decimal longer = printed(magnitude, count + 1);
  if (longer.digits.back() != '5') return r;
  longer.digits.pop_back();
  int i = count - 1;
  while (i >= 0 && longer.digits[i] == '9') longer.digits[i--] = '0';
  if (i >= 0) {
    ++longer.digits[i];
  } else {
    longer.digits.insert(longer.digits.begin(), '1');
    longer.digits.pop_back();
    ++longer.exponent;
  }
  return longer;
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
  const double magnitude = std::fabs(x);
  // Rounded to d digits the value lies between 0.1 and 10^d exactly when
  // its rounded exponent does; the same rounding is then the one to d - n
  // decimals, because a value that rounds up to 10^n rounds up to it at
  // d - n decimals as well.
  const Decimal r = rounded(magnitude, d);
  if (r.exponent >= -1 && r.exponent < d) {
    const int intDigits = r.exponent + 1;  // 0 for values below 1
    std::string text = sign + (intDigits == 0 ? "0" : r.digits.substr(0, intDigits)) + "." +
                       r.digits.substr(intDigits);
    return rightAligned(text, w - (e + 2)) + std::string(e + 2, ' ');
  }
  const Decimal wide = rounded(magnitude, d + 1);
  const std::string expo = exponentText(wide.exponent, e);
  if (expo.empty()) return std::string(w, '*');
  return rightAligned(sign + wide.digits.substr(0, 1) + "." + wide.digits.substr(1) + expo, w);
}

std::string singleField(float x) {
  return realField(x, 15, 7, 2);
}

std::string doubleField(double x) {
  return realField(x, 24, 15, 3);
}

}  // namespace mphi
