#include "report/summary_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/report/report_test_data.h"

namespace mphi {
namespace {

std::vector<std::string> keys(const nlohmann::ordered_json& object) {
  std::vector<std::string> names;
  for (auto it = object.begin(); it != object.end(); ++it) names.push_back(it.key());
  return names;
}

using Keys = std::vector<std::string>;

// The key names are an interface: each level in order, and every number
// back exactly as a double.
TEST(SummaryJsonTest, KeysAndNumbersRoundTrip) {
  const ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  const CurveReport r = reportCurve(p.file, 200);
  const auto j = nlohmann::ordered_json::parse(summaryJson(p.file, r));
  EXPECT_EQ(keys(j), (Keys{"section", "rows", "first_yield", "peak", "ultimate", "end", "caltrans",
                           "priestley", "drift"}));
  EXPECT_EQ(keys(j["section"]), (Keys{"b", "h", "P0", "fc", "fy", "steel_ratio"}));
  EXPECT_EQ(keys(j["first_yield"]), (Keys{"Ky", "My"}));
  EXPECT_EQ(keys(j["peak"]), (Keys{"Mu", "phi", "row"}));
  EXPECT_EQ(keys(j["ultimate"]), (Keys{"phi_u", "M", "row"}));
  EXPECT_EQ(keys(j["caltrans"]), (Keys{"K", "area", "Mp", "phi_yi", "mu_phi", "overstates"}));
  EXPECT_EQ(keys(j["priestley"]), (Keys{"Mn", "limit", "phi_y", "mu_phi"}));
  EXPECT_EQ(keys(j["drift"]),
            (Keys{"L", "Lp", "delta_y", "delta_u", "mu_delta", "drift_u", "V_u"}));
  EXPECT_EQ(j["rows"], 155);
  EXPECT_EQ(j["end"], "key_point");
  EXPECT_EQ(j["priestley"]["limit"], "concrete 0.004");
  EXPECT_EQ(j["caltrans"]["overstates"], false);
  EXPECT_EQ(j["section"]["fc"].get<double>(), static_cast<double>(p.file.fc));
  EXPECT_EQ(j["caltrans"]["Mp"].get<double>(), r.caltrans.Mp);
  EXPECT_EQ(j["priestley"]["Mn"].get<double>(), r.priestley.Mn);
  EXPECT_EQ(j["drift"]["V_u"].get<double>(), r.drift.Vu);
  EXPECT_EQ(j["first_yield"]["Ky"].get<double>(), static_cast<double>(p.file.Ky));
}

TEST(SummaryJsonTest, AbsentPartsAreNull) {
  ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  p.file.My = p.file.Ky = 0;
  auto j = nlohmann::json::parse(summaryJson(p.file, reportCurve(p.file, 200)));
  EXPECT_TRUE(j["first_yield"].is_null());
  EXPECT_TRUE(j["caltrans"].is_null());
  EXPECT_TRUE(j["priestley"]["phi_y"].is_null());
  EXPECT_TRUE(j["drift"].is_null());
  j = nlohmann::json::parse(summaryJson(p.file, reportCurve(p.file)));
  EXPECT_FALSE(j.contains("drift"));
}

}  // namespace
}  // namespace mphi
