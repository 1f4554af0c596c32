// The one description of the section's values against what mphi reads.
#include "section/section_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace mphi {
namespace {

SectionData worked() {
  SectionData s;
  for (const SectionValue* v : givenValues()) s.*v->member = std::stof(v->example);
  return s;
}

TEST(SectionValuesTest, EveryInputPositionOnce) {
  std::set<int> positions;
  for (const SectionValue& v : sectionValues()) {
    for (int p : v.positions) {
      if (p == 0) continue;
      EXPECT_TRUE(p >= 1 && p <= kInputValues) << v.name;
      EXPECT_TRUE(positions.insert(p).second) << v.name << " at " << p;
    }
    EXPECT_EQ(findSectionValue(v.name), &v);
  }
  EXPECT_EQ(positions.size(), static_cast<std::size_t>(kInputValues));
  EXPECT_EQ(findSectionValue("B"), nullptr);
}

// A value beyond anything real in its unit gets a hint in that unit; the
// largest real value none: 150 MPa concrete, 2 GPa steel, a 10 cm bar, all
// steel.
TEST(SectionValuesTest, UnitSlipsBeyondTheLargestRealValue) {
  EXPECT_FALSE(unitSlip(worked()));
  const struct {
    const char* name;
    float largest;  // no hint up to here
    float typed;    // the value typed in the unit engineers often mean
  } cases[] = {{"fc", 1.5f, 28},    {"fy", 20, 420}, {"fsy", 20, 280},
               {"Es", 10000, 2e5f}, {"dcm", 10, 19}, {"r", 1, 2}};
  for (const auto& c : cases) {
    for (float v : {c.largest, std::nextafter(c.largest, 2 * c.largest), c.typed}) {
      SectionData s = worked();
      s.*findSectionValue(c.name)->member = v;
      const std::optional<Fault> slip = unitSlip(s);
      ASSERT_EQ(slip.has_value(), v > c.largest) << c.name << " = " << v;
      if (!slip) continue;
      EXPECT_EQ(slip->field, c.name);
      const std::string unit = findSectionValue(c.name)->unit;
      EXPECT_NE(slip->reason.find(unit.empty() ? "ratio" : unit), std::string::npos)
          << slip->reason;
    }
  }
}

}  // namespace
}  // namespace mphi
