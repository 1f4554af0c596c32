#include "tests/textio/reference_field.h"

#include <vector>

namespace mphi {
namespace {

// Unsigned big integer, 32-bit limbs, least significant first.
using Big = std::vector<std::uint32_t>;

void multiply(Big& n, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (std::uint32_t& limb : n) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) n.push_back(static_cast<std::uint32_t>(carry));
}

// Divides by 10^9 and returns the remainder.
std::uint32_t divideByBillion(Big& n) {
  constexpr std::uint64_t kBillion = 1000000000u;
  std::uint64_t rest = 0;
  for (std::size_t i = n.size(); i-- > 0;) {
    const std::uint64_t part = (rest << 32) | n[i];
    n[i] = static_cast<std::uint32_t>(part / kBillion);
    rest = part % kBillion;
  }
  while (!n.empty() && n.back() == 0) n.pop_back();
  return static_cast<std::uint32_t>(rest);
}

std::string decimalText(Big n) {
  // Nine digits a piece, lowest first, filled in from the end.
  std::string text(9 * (n.size() * 32 / 29 + 2), '0');
  std::size_t at = text.size();
  while (!n.empty()) {
    std::uint32_t chunk = divideByBillion(n);
    for (int i = 0; i < 9; ++i) {
      text[--at] = static_cast<char>('0' + chunk % 10);
      chunk /= 10;
    }
  }
  const std::size_t first = text.find_first_not_of('0');
  return first == std::string::npos ? "0" : text.substr(first);
}

// A nonzero magnitude as digits D and a scale s: the value is D / 10^s.
struct Exact {
  std::string digits;
  int scale;
};

// The value mantissa x 2^twos.
Exact exactValue(std::uint64_t mantissa, int twos) {
  Big n{static_cast<std::uint32_t>(mantissa), static_cast<std::uint32_t>(mantissa >> 32)};
  while (!n.empty() && n.back() == 0) n.pop_back();
  // Powers in pieces that fit a limb: 2^16 and 5^13.
  if (twos >= 0) {
    for (int i = 0; i < twos / 16; ++i) multiply(n, 1u << 16);
    multiply(n, 1u << (twos % 16));
    return {decimalText(n), 0};
  }
  // m / 2^t = m 5^t / 10^t
  const int fives = -twos;
  for (int i = 0; i < fives / 13; ++i) multiply(n, 1220703125u);
  for (int i = 0; i < fives % 13; ++i) multiply(n, 5);
  return {decimalText(n), fives};
}

// The value rounded to `decimals` places (which may be negative), as a
// whole number of units of 10^-decimals, in decimal digits.
std::string roundedUnits(const Exact& x, int decimals) {
  // Digits of the value times 10^decimals: drop scale - decimals digits.
  const int drop = x.scale - decimals;
  if (drop <= 0) return x.digits + std::string(-drop, '0');
  const int length = static_cast<int>(x.digits.size());
  std::string kept = drop >= length ? "0" : x.digits.substr(0, length - drop);
  const char next = drop > length ? '0' : x.digits[length - drop];
  if (next >= '5') {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i < 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[i];
    }
  }
  const std::size_t first = kept.find_first_not_of('0');
  return first == std::string::npos ? "0" : kept.substr(first);
}

std::string padLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// Width w, d significant digits, e exponent digits, from the exact value.
std::string layout(const Exact& x, bool negative, int w, int d, int e) {
  const std::string sign = negative ? "-" : "";
  // Position of the leading digit: the value is below 10^(lead + 1).
  const int lead = static_cast<int>(x.digits.size()) - 1 - x.scale;
  // d significant digits are d - 1 - lead decimals: r = units / 10^sigDecimals.
  const int sigDecimals = d - 1 - lead;
  const std::string units = roundedUnits(x, sigDecimals);
  const int length = static_cast<int>(units.size());
  const bool atLeastTenth = length >= sigDecimals;    // r >= 0.1
  const bool belowLimit = length - sigDecimals <= d;  // r < 10^d
  if (atLeastTenth && belowLimit) {
    const int n = length > sigDecimals ? length - sigDecimals : 0;
    const int decimals = d - n;
    std::string fixed = roundedUnits(x, decimals);
    if (static_cast<int>(fixed.size()) < decimals + 1) {
      fixed = std::string(decimals + 1 - fixed.size(), '0') + fixed;
    }
    const std::string text = sign + fixed.substr(0, fixed.size() - decimals) + "." +
                             fixed.substr(fixed.size() - decimals);
    return padLeft(text, w - (e + 2)) + std::string(e + 2, ' ');
  }
  // d + 1 significant digits, one before the point.
  std::string digits = roundedUnits(x, d - lead);
  int exponent = lead;
  if (static_cast<int>(digits.size()) > d + 1) {  // rounded up to the next power of ten
    digits.pop_back();
    ++exponent;
  }
  std::string magnitude = std::to_string(exponent < 0 ? -exponent : exponent);
  magnitude = std::string(e - magnitude.size(), '0') + magnitude;
  return padLeft(sign + digits.substr(0, 1) + "." + digits.substr(1) +
                     (exponent < 0 ? "E-" : "E+") + magnitude,
                 w);
}

std::string special(bool negative, bool nan, int w) {
  return padLeft(nan ? "NaN" : negative ? "-Infinity" : "Infinity", w);
}

}  // namespace

std::string referenceSingleField(std::uint32_t bits) {
  const bool negative = (bits >> 31) != 0;
  const std::uint32_t magnitude = bits & 0x7FFFFFFFu;
  if (magnitude >= 0x7F800000u) return special(negative, magnitude > 0x7F800000u, 15);
  if (magnitude == 0) return "  0.0000000E+00";
  const int biased = static_cast<int>(magnitude >> 23);
  const std::uint64_t fraction = magnitude & 0x7FFFFFu;
  const Exact x =
      biased == 0 ? exactValue(fraction, -149) : exactValue(fraction | 0x800000u, biased - 150);
  return layout(x, negative, 15, 7, 2);
}

std::string referenceDoubleField(std::uint64_t bits) {
  const bool negative = (bits >> 63) != 0;
  const std::uint64_t magnitude = bits & 0x7FFFFFFFFFFFFFFFu;
  constexpr std::uint64_t kInfinity = 0x7FF0000000000000u;
  if (magnitude >= kInfinity) return special(negative, magnitude > kInfinity, 24);
  if (magnitude == 0) return "  0.000000000000000E+000";
  const int biased = static_cast<int>(magnitude >> 52);
  const std::uint64_t fraction = magnitude & 0xFFFFFFFFFFFFFu;
  const Exact x = biased == 0 ? exactValue(fraction, -1074)
                              : exactValue(fraction | (std::uint64_t{1} << 52), biased - 1075);
  return layout(x, negative, 24, 15, 3);
}

}  // namespace mphi
