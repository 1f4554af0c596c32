// The one description of the section's values against what mphi reads.
#include "section/section_values.h"

#include <gtest/gtest.h>

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

// A value typed in another unit gets its hint; the worked example none.
TEST(SectionValuesTest, UnitSlips) {
  EXPECT_FALSE(unitSlip(worked()));
  const struct {
    const char* name;
    float value;
    const char* hint;
  } cases[] = {{"fc", 28, "fc is in T/cm2 (0.28, not 28)"},
               {"fy", 420, "fy is in T/cm2 (4.2, not 420)"},
               {"fsy", 280, "fsy is in T/cm2 (2.8, not 280)"},
               {"Es", 200000, "Es is in T/cm2 (2040, not 200000)"},
               {"dcm", 19, "dcm is in cm (1.9, not 19)"},
               {"r", 2, "r is a ratio (0.02, not 2)"}};
  for (const auto& c : cases) {
    SectionData s = worked();
    s.*findSectionValue(c.name)->member = c.value;
    const std::optional<Fault> slip = unitSlip(s);
    ASSERT_TRUE(slip) << c.name;
    EXPECT_EQ(slip->field, c.name);
    EXPECT_EQ(slip->reason, c.hint);
  }
  SectionData big = worked();
  big.fc = 1.4f;  // a very strong concrete, but a concrete
  big.b = 500;    // a wall
  EXPECT_FALSE(unitSlip(big));
}

}  // namespace
}  // namespace mphi
