#include "report/summary_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/report/report_test_data.h"
#include "tests/support/worked_section.h"

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
  const SectionFile f = workedFile();
  const CurveFigures r = curveFigures(f.section, f.curve, withLength(200));
  const auto j = nlohmann::ordered_json::parse(summaryJson(f.section, f.curve, r));
  EXPECT_EQ(keys(j),
            (Keys{"units", "section", "rows", "first_yield", "peak", "ultimate", "end", "end_words",
                  "note", "caltrans", "priestley", "drift", "shear", "capacity"}));
  EXPECT_EQ(keys(j["shear"]), (Keys{"d", "alpha", "Vn0", "Vp", "ratio", "class"}));
  EXPECT_EQ(keys(j["capacity"]),
            (Keys{"drift", "governing", "flexure", "bar_buckling", "shear", "note"}));
  EXPECT_EQ(keys(j["section"]), (Keys{"b", "h", "P0", "fc", "fy", "steel_ratio"}));
  EXPECT_EQ(keys(j["first_yield"]), (Keys{"Ky", "My"}));
  EXPECT_EQ(keys(j["peak"]), (Keys{"Mu", "phi", "row"}));
  EXPECT_EQ(keys(j["ultimate"]), (Keys{"phi_u", "M", "row"}));
  EXPECT_EQ(keys(j["caltrans"]), (Keys{"K", "area", "Mp", "phi_yi", "mu_phi", "overstates"}));
  EXPECT_EQ(keys(j["priestley"]), (Keys{"Mn", "limit", "phi_y", "mu_phi"}));
  EXPECT_EQ(keys(j["drift"]), (Keys{"L", "Lsp", "k", "Lp", "delta_y", "delta_u", "mu_delta",
                                    "drift_u", "V_u", "stability_drift", "beyond_stability"}));
  EXPECT_EQ(j["rows"], 155);
  EXPECT_TRUE(j["end"].is_null());  // 0.8 Mu or a bar failure: SECTION does not tell
  EXPECT_NE(j["end_words"].get<std::string>().find("not known from SECTION"), std::string::npos);
  EXPECT_EQ(j["priestley"]["limit"], "concrete 0.004");
  EXPECT_EQ(j["caltrans"]["overstates"], false);
  EXPECT_EQ(j["section"]["fc"].get<double>(), static_cast<double>(f.section.fc));
  EXPECT_EQ(j["caltrans"]["Mp"].get<double>(), r.caltrans.Mp);
  EXPECT_EQ(j["priestley"]["Mn"].get<double>(), r.priestley.Mn);
  EXPECT_EQ(j["drift"]["V_u"].get<double>(), r.drift.Vu);
  EXPECT_EQ(j["first_yield"]["Ky"].get<double>(), f.curve.keys.firstYield.phi);
}

TEST(SummaryJsonTest, AbsentPartsAreNull) {
  SectionFile f = workedFile();
  f.curve.keys.firstYield = {};
  auto j = nlohmann::json::parse(
      summaryJson(f.section, f.curve, curveFigures(f.section, f.curve, withLength(200))));
  EXPECT_TRUE(j["first_yield"].is_null());
  EXPECT_TRUE(j["caltrans"].is_null());
  EXPECT_TRUE(j["priestley"]["phi_y"].is_null());
  EXPECT_TRUE(j["drift"].is_null());
  // Without a length the drift is there, and null, as the assessment
  // model's is.
  j = nlohmann::json::parse(summaryJson(f.section, f.curve, curveFigures(f.section, f.curve)));
  ASSERT_TRUE(j.contains("drift"));
  EXPECT_TRUE(j["drift"].is_null());
}

}  // namespace
}  // namespace mphi
