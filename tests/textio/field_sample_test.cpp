#include <gtest/gtest.h>

#include <cstring>

#include "tests/textio/field_patterns.h"
#include "tests/textio/reference_field.h"

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
}

}  // namespace
}  // namespace mphi
