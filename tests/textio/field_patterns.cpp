#include "tests/textio/field_patterns.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tests/textio/reference_field.h"
#include "textio/real_field.h"

namespace mphi {
namespace {

std::uint32_t bitsOf(float x) {
  std::uint32_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

// The float nearest to the decimal text, its 256 neighbours each way, and
// the same for the negative value.
void addNeighbours(std::vector<std::uint32_t>& out, const char* decimal) {
  const std::uint32_t centre = bitsOf(std::strtof(decimal, nullptr));
  for (std::int64_t d = -256; d <= 256; ++d) {
    const std::int64_t bits = static_cast<std::int64_t>(centre) + d;
    if (bits < 0 || bits >= 0x7F800000) continue;
    out.push_back(static_cast<std::uint32_t>(bits));
    out.push_back(static_cast<std::uint32_t>(bits) | 0x80000000u);
  }
}

}  // namespace

std::vector<std::uint32_t> fieldSamplePatterns(std::size_t count) {
  std::vector<std::uint32_t> out;
  char text[32];
  for (int k = -46; k <= 39; ++k) {
    std::snprintf(text, sizeof text, "1e%d", k);
    addNeighbours(out, text);
    // Values that round up to 10^k at 7 and at 8 significant digits.
    std::snprintf(text, sizeof text, "9.9999995e%d", k - 1);
    addNeighbours(out, text);
    std::snprintf(text, sizeof text, "9.99999995e%d", k - 1);
    addNeighbours(out, text);
  }
  // m / 2^j for odd m: expansions of exactly j decimals, every position of
  // the final 5 included.
  for (std::uint32_t m = 1; m < 4096; m += 2) {
    for (int j = -20; j <= 40; ++j) {
      const float x = std::ldexp(static_cast<float>(m), -j);
      out.push_back(bitsOf(x));
      out.push_back(bitsOf(-x));
    }
  }
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  while (out.size() < count) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    out.push_back(static_cast<std::uint32_t>(state >> 32));
  }
  out.resize(count);
  return out;
}

std::string fieldMismatch(std::uint32_t bits) {
  float x;
  std::memcpy(&x, &bits, sizeof x);
  const std::string actual = singleField(x);
  const std::string expected = referenceSingleField(bits);
  if (actual == expected) return {};
  char line[96];
  std::snprintf(line, sizeof line, "%08X: \"%s\", reference \"%s\"", static_cast<unsigned>(bits),
                actual.c_str(), expected.c_str());
  return line;
}

}  // namespace mphi
