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
  char text[16 * 9 + 1];
  char* end = text + sizeof text;
  char* p = end;
  while (!n.empty()) {
    std::uint32_t chunk = divideByBillion(n);
    for (int i = 0; i < 9; ++i) {
      *--p = static_cast<char>('0' + chunk % 10);
      chunk /= 10;
    }
  }
  while (p < end - 1 && *p == '0') ++p;
  return p == end ? "0" : std::string(p, end);
}

// A nonzero magnitude as digits D and a scale s: the value is D / 10^s.
struct Exact {
  std::string digits;
  int scale;
};

Exact exactValue(std::uint32_t magnitudeBits) {
  const int biased = static_cast<int>(magnitudeBits >> 23);
  std::uint32_t mantissa = magnitudeBits & 0x7FFFFFu;
  int twos = -149;  // value = mantissa * 2^twos
  if (biased != 0) {
    mantissa |= 0x800000u;
    twos = biased - 150;
  }
  Big n{mantissa};
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

}  // namespace

std::string referenceSingleField(std::uint32_t bits) {
  const bool negative = (bits >> 31) != 0;
  const std::uint32_t magnitude = bits & 0x7FFFFFFFu;
  if (magnitude > 0x7F800000u) return padLeft("NaN", 15);
  if (magnitude == 0x7F800000u) return padLeft(negative ? "-Infinity" : "Infinity", 15);
  if (magnitude == 0) return "  0.0000000E+00";

  const Exact x = exactValue(magnitude);
  const std::string sign = negative ? "-" : "";
  // Position of the leading digit: the value is below 10^(lead + 1).
  const int lead = static_cast<int>(x.digits.size()) - 1 - x.scale;
  // Seven significant digits are 6 - lead decimals; r = units / 10^(6 - lead).
  const int sevenDecimals = 6 - lead;
  const std::string units = roundedUnits(x, sevenDecimals);
  const int length = static_cast<int>(units.size());
  const bool atLeastTenth = length >= sevenDecimals;         // r >= 0.1
  const bool belowTenMillion = length - sevenDecimals <= 7;  // r < 10^7
  if (atLeastTenth && belowTenMillion) {
    const int n = length > sevenDecimals ? length - sevenDecimals : 0;
    std::string fixed = roundedUnits(x, 7 - n);
    if (static_cast<int>(fixed.size()) < 7 - n + 1) {
      fixed = std::string(7 - n + 1 - fixed.size(), '0') + fixed;
    }
    const std::string text =
        sign + fixed.substr(0, fixed.size() - (7 - n)) + "." + fixed.substr(fixed.size() - (7 - n));
    return padLeft(text, 11) + "    ";
  }
  // Eight significant digits, one before the point.
  std::string eight = roundedUnits(x, 7 - lead);
  int exponent = lead;
  if (eight.size() > 8) {  // rounded up to the next power of ten
    eight.pop_back();
    ++exponent;
  }
  const int size = exponent < 0 ? -exponent : exponent;
  std::string expo = std::string(exponent < 0 ? "E-" : "E+") + static_cast<char>('0' + size / 10) +
                     static_cast<char>('0' + size % 10);
  return padLeft(sign + eight.substr(0, 1) + "." + eight.substr(1) + expo, 15);
}

}  // namespace mphi
