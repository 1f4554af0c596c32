#include "textio/real_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>

namespace mphi {
namespace {

struct FieldCase {
  double value;
  bool single;
  const char* field;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
  *os << (c.single ? "single " : "double ") << std::setprecision(17) << c.value;
}

class RealFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(RealFieldTest, LaysOutTheExactValue) {
  const FieldCase& c = GetParam();
  const std::string field =
      c.single ? singleField(static_cast<float>(c.value)) : doubleField(c.value);
  EXPECT_EQ(field, c.field) << "value " << c.value;
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Fields, RealFieldTest,
    testing::Values(
        FieldCase{40.0, true, "   40.00000    "}, FieldCase{0.21, true, "  0.2100000    "},
        FieldCase{2100.0, true, "   2100.000    "}, FieldCase{3.1416, true, "   3.141600    "},
        FieldCase{-40.0, true, "  -40.00000    "}, FieldCase{9999999.0, true, "   9999999.    "},
        FieldCase{1.0e7, true, "  1.0000000E+07"}, FieldCase{1.2345e-05, true, "  1.2345000E-05"},
        FieldCase{-1.2345e-05, true, " -1.2345000E-05"}, FieldCase{0.05, true, "  5.0000001E-02"},
        FieldCase{0.0, true, "  0.0000000E+00"}, FieldCase{-0.0, true, "  0.0000000E+00"},
        FieldCase{0.1, true, "  0.1000000    "}, FieldCase{0.09999999, true, "  9.9999987E-02"},
        // An exact tie rounds away from zero, not to even.
        FieldCase{1234568.5, true, "   1234569.    "},
        FieldCase{1234567.5, true, "   1234568.    "}, FieldCase{-2.5, true, "  -2.500000    "},
        // The F or E choice follows the rounded value.
        FieldCase{9999999.5, true, "  1.0000000E+07"},
        FieldCase{99.999999, true, "   100.0000    "},
        FieldCase{0.099999999, true, "  0.1000000    "},
        FieldCase{3.4028234663852886e38, true, "  3.4028235E+38"},
        FieldCase{1.401298464324817e-45, true, "  1.4012985E-45"},
        FieldCase{kInf, true, "       Infinity"}, FieldCase{-kInf, true, "      -Infinity"},
        FieldCase{std::nan(""), true, "            NaN"},
        FieldCase{0.2625, false, "  0.262500000000000     "},
        FieldCase{40.0, false, "   40.0000000000000     "},
        FieldCase{1.2345e-05, false, "  1.234500000000000E-005"},
        FieldCase{0.0, false, "  0.000000000000000E+000"},
        FieldCase{-1.0e-300, false, " -1.000000000000000E-300"},
        FieldCase{kInf, false, "                Infinity"}));

}  // namespace
}  // namespace mphi
