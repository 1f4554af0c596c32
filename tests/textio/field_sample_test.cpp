#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "tests/textio/field_patterns.h"
#include "tests/textio/reference_field.h"
#include "textio/real_field.h"

namespace mphi {
namespace {

TEST(SingleFieldSample, MatchesTheReferenceOnAMillionPatterns) {
  int mismatches = 0;
  for (std::uint32_t bits : fieldSamplePatterns(1000000)) {
    const std::string line = fieldMismatch(bits);
    if (!line.empty() && ++mismatches <= 20) ADD_FAILURE() << line;
  }
  EXPECT_EQ(mismatches, 0);
}

// The double field (the confined strength on the console) against the same
// reference: random patterns, the neighbours of powers of ten, short exact
// expansions with their halfway cases, and strengths as the program meets
// them.
TEST(DoubleFieldSample, MatchesTheReference) {
  std::vector<double> values;
  std::uint64_t state = 0x2545F4914F6CDD1Du;
  auto next = [&state] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return state;
  };
  for (int i = 0; i < 5000; ++i) {
    const std::uint64_t bits = next();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    values.push_back(x);
  }
  for (int k = -30; k <= 30; ++k) {
    const double p = std::pow(10.0, k);
    for (double v :
         {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), p * (1 - 5e-16), p * (1 - 5e-17)}) {
      values.push_back(v);
    }
  }
  for (std::uint64_t m = 1; m < 2048; m += 2) {
    for (int j = -10; j <= 60; j += 3) values.push_back(std::ldexp(static_cast<double>(m), -j));
  }
  for (int i = 0; i < 5000; ++i) values.push_back(20.0 + 80.0 * (next() >> 11) * 0x1.0p-53);
  int mismatches = 0;
  for (double x : values) {
    for (double v : {x, -x}) {
      std::uint64_t bits;
      std::memcpy(&bits, &v, sizeof bits);
      const std::string expected = referenceDoubleField(bits);
      if (doubleField(v) != expected && ++mismatches <= 20) {
        ADD_FAILURE() << v << ": \"" << doubleField(v) << "\", reference \"" << expected << "\"";
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// The reference itself, on fields worked out by hand.
TEST(SingleFieldSample, ReferenceLaysOutKnownValues) {
  struct Case {
    float value;
    const char* field;
  };
  const Case cases[] = {
      {40.0f, "   40.00000    "},      {0.05f, "  5.0000001E-02"},
      {9999999.0f, "   9999999.    "}, {1.0e7f, "  1.0000000E+07"},
      {1234568.5f, "   1234569.    "}, {0.09999999f, "  9.9999987E-02"},
      {-2.5f, "  -2.500000    "},      {1.401298464e-45f, "  1.4012985E-45"},
  };
  for (const Case& c : cases) {
    std::uint32_t bits;
    std::memcpy(&bits, &c.value, sizeof bits);
    EXPECT_EQ(referenceSingleField(bits), c.field) << c.value;
  }
  std::uint64_t bits;
  const double strength = 0.2625;
  std::memcpy(&bits, &strength, sizeof bits);
  EXPECT_EQ(referenceDoubleField(bits), "  0.262500000000000     ");
}

}  // namespace
}  // namespace mphi
