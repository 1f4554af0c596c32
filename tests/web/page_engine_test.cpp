#include "web/page_engine.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace mphi {
namespace {

struct PageCase {
  const char* name;
  const char* field;  // changed from the worked example
  const char* text;
  const char* refusedAt;  // the form field the reason goes to; "" for none
  const char* message;    // start of the reason
};

void PrintTo(const PageCase& c, std::ostream* os) {
  *os << c.name;
}

class PageEngineTest : public testing::TestWithParam<PageCase> {};

// A refusal names the form field it belongs to, in the data check's words.
TEST_P(PageEngineTest, PutsTheReasonAtItsField) {
  const PageCase& c = GetParam();
  nlohmann::json request = {{"values",
                             {{"b", "40"},
                              {"h", "35"},
                              {"clearb1cm", "5"},
                              {"dcm", "1.9"},
                              {"dbcm", "1.3"},
                              {"sccm", "10"},
                              {"fc", "0.21"},
                              {"fy", "4.2"},
                              {"fsy", "2.8"},
                              {"Es", "2100"},
                              {"P0", "100"},
                              {"r", "0.02"}}},
                            {"L", ""}};
  (std::string(c.field) == "L" ? request["L"] : request["values"][c.field]) = c.text;
  const auto answer = nlohmann::json::parse(computePage(request.dump()));
  ASSERT_FALSE(answer["ok"].get<bool>());
  EXPECT_EQ(answer["field"], c.refusedAt);
  EXPECT_EQ(answer["message"].get<std::string>().rfind(c.message, 0), 0u) << answer["message"];
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, PageEngineTest,
    testing::Values(PageCase{"RatioInPerCent", "r", "2", "r",
                             "invalid section data: r = 2: main steel"},
                    PageCase{"DecimalComma", "fc", "0,21", "fc", "\"0,21\" is not a number"},
                    PageCase{"NarrowSection", "b", "11", "b", "invalid section data: b = 11 cm:"},
                    PageCase{"OverConfined", "fsy", "500", "fsy",
                             "invalid section data: fsy = 500 T/cm2: fsy is in T/cm2 (2.8, not "
                             "280); that makes fcc = -"},
                    PageCase{"ConcreteInMegapascals", "fc", "28", "fc",
                             "invalid section data: fc = 28 T/cm2: fc is in T/cm2 (0.28, not "
                             "28); that makes rcc = -0.2416047: the confined-concrete law is "
                             "undefined"},
                    PageCase{"NoLength", "L", "-3", "L", "\"-3\" is not a positive length"},
                    PageCase{"PastAFloat", "P0", "1e308", "P0",
                             "\"1e308\" is beyond the range of the analysis's numbers"}),
    [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

// Scripts send numbers, not only the form's texts; anything else is an
// answer too, never an exception.
TEST(PageEngineTest, AnswersEveryRequest) {
  const struct {
    const char* request;
    const char* field;
  } cases[] = {{R"({"values":{"b":40}})", "h"},
               {R"({"values":{"b":[1]}})", "b"},
               {R"({"values":7,"L":"x"})", "L"},
               {R"({"describe":"yes"})", "b"},
               {"[1,2]", ""},
               {"\xff", ""}};
  for (const auto& c : cases) {
    const auto answer = nlohmann::json::parse(computePage(c.request));
    EXPECT_FALSE(answer["ok"].get<bool>()) << c.request;
    EXPECT_EQ(answer["field"], c.field) << c.request;
  }
  const auto worked = nlohmann::json::parse(computePage(
      R"({"values":{"b":40,"h":35,"clearb1cm":5,"dcm":1.9,"dbcm":1.3,"sccm":10,"fc":0.21,)"
      R"("fy":4.2,"fsy":2.8,"Es":2100,"P0":100,"r":0.02},"L":200})"));
  ASSERT_TRUE(worked["ok"].get<bool>()) << worked["message"];
  ASSERT_EQ(worked["models"].size(), 2u);
  EXPECT_EQ(worked["models"][0]["end"], "0.8Mu");
  EXPECT_TRUE(worked["models"][0].contains("section"));
  EXPECT_EQ(worked["models"][1]["end"], "core_crushing");
  EXPECT_FALSE(worked["models"][1].contains("section"));
  EXPECT_NE(worked["models_svg"].get<std::string>().find("class=\"assessment\""),
            std::string::npos);
  const auto described = nlohmann::json::parse(computePage(R"({"describe":true})"));
  ASSERT_EQ(described["values"].size(), 12u);
  EXPECT_EQ(described["values"][0]["name"], "b");
  EXPECT_EQ(described["values"][11]["example"], "0.02");
  EXPECT_EQ(described["models"].size(), 2u);
}

}  // namespace
}  // namespace mphi
