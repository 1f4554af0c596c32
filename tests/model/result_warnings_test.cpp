// What a request makes of valid data: a load near the squash load, r
// beside explicit bars, bars crowded round their circle, limit states past
// the P-delta stability drift; each warned of once, by its field.
#include <gtest/gtest.h>

#include "model/section_result.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

TEST(ResultWarningsTest, WarnsOfWhatTheRequestMakesOfTheData) {
  Analysis bars;
  bars.model = Model::Assessment;
  bars.bars = BarCounts{3, 1};
  Analysis longer = withLength(300);
  longer.model = Model::Assessment;
  Analysis crowded = bridgeColumn();
  crowded.circleBars = 56;  // 0.2 cm apart in the clear
  const struct {
    const char* what;
    SectionData section;
    Analysis analysis;
    GivenUnits given;
    const char* field;  // of the one warning; "" for none
    const char* text;
  } cases[] = {
      {"the worked example", workedSection(), withLength(200), {}, "", ""},
      {"near the squash load",
       workedSection(300),
       {},
       {{"P0", {"P0_kN", "kN", 1 / 9.81}}},
       "P0",
       "P0_kN = 2943 kN is beyond 0.8 Po = 2845 kN (Po = 3556 kN, the squash load): the column "
       "is near crushing under its load alone"},
      {"r beside bars",
       workedSection(),
       bars,
       {},
       "r",
       "r = 0.02 is not used: the steel is the bars', As = 22.68 cm2 (0.0162 of the gross area)"},
      {"past P-delta stability",
       workedSection(),
       longer,
       {},
       "drift",
       "damage control (7.374 %), ultimate (7.374 %) lie beyond the P-delta stability drift "
       "(5.660 %): the column cannot carry its load there"},
      {"bars crowded round the circle",
       bridgeSection(),
       crowded,
       {},
       "n_bars",
       "n_bars = 56: the clear spacing round the circle, 0.203 cm, is less than a bar diameter "
       "(2.5 cm)"},
  };
  for (const auto& c : cases) {
    const SectionResult r = analyse(c.section, c.analysis, c.given);
    if (*c.field == '\0') {
      EXPECT_TRUE(r.warnings.empty()) << c.what << ": " << r.warnings.front().text;
      continue;
    }
    ASSERT_EQ(r.warnings.size(), 1u) << c.what << ": " << r.warnings.front().text;
    EXPECT_EQ(r.warnings[0].field, c.field) << c.what;
    EXPECT_EQ(r.warnings[0].text, c.text) << c.what;
  }
}

}  // namespace
}  // namespace mphi
