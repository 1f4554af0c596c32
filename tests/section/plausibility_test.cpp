// Values that run but lie far from real columns: each warned of, named as
// it was given, with the unit that would bring it into range.
#include "section/plausibility.h"

#include <gtest/gtest.h>

#include "tests/support/worked_section.h"

namespace mphi {
namespace {

TEST(PlausibilityTest, WarnsOfValuesFarFromRealColumns) {
  const GivenUnit mpa{"fc_MPa", "MPa", kTonPerCm2InMPa};
  const struct {
    const char* what;
    void (*change)(SectionData&);
    GivenUnits given;
    const char* warning;  // "" for none
  } cases[] = {
      {"the worked section", [](SectionData&) {}, {}, ""},
      {"fc typed in T/cm2 in an MPa column",
       [](SectionData& s) { s.fc = 0.28f * 0.0102f; },
       {{"fc", mpa}},
       "fc_MPa = 0.28 MPa is outside 10 to 120 MPa: is it in T/cm2?"},
      {"fc of 280 MPa",
       [](SectionData& s) { s.fc = 280 * 0.0102f; },
       {{"fc", mpa}},
       "fc_MPa = 280 MPa is outside 10 to 120 MPa: is it in kgf/cm2?"},
      {"fy of 42 MPa",
       [](SectionData& s) { s.fy = 0.42f; },
       {},
       "fy = 0.42 T/cm2 is outside 200 to 1000 MPa: is it in GPa?"},
      {"fsy of 1600 MPa",
       [](SectionData& s) { s.fsy = 16.32f; },
       {},
       "fsy = 16.32 T/cm2 is outside 150 to 1500 MPa"},
      {"Es in MPa in a GPa column",
       [](SectionData& s) { s.Es = 200000 * 10.2f; },
       {{"Es", {"Es_GPa", "GPa", 10.2}}},
       "Es_GPa = 200000 GPa is outside 150 to 250 GPa: is it in MPa?"},
      {"a 9 cm bar",
       [](SectionData& s) { s.dcm = 9; },
       {},
       "dcm = 9 cm is more than a sixth of the section's smaller side (h = 35 cm): is it in mm?"},
      {"ties at 40 cm",
       [](SectionData& s) { s.sccm = 40; },
       {},
       "sccm = 40 cm is more than the section's smaller side (h = 35 cm): is it in mm?"},
  };
  for (const auto& c : cases) {
    SectionData s = workedSection();
    c.change(s);
    const std::vector<Warning> w = plausibilityWarnings(s, c.given);
    if (*c.warning == '\0') {
      EXPECT_TRUE(w.empty()) << c.what << ": " << (w.empty() ? "" : w[0].text);
      continue;
    }
    ASSERT_EQ(w.size(), 1u) << c.what;
    EXPECT_EQ(w[0].text, c.warning) << c.what;
  }
}

}  // namespace
}  // namespace mphi
