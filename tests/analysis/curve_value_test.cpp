// The analysis as a value against mphi's own output: every end-to-end case
// through the in-process path gives mphi's SECTION, console lines, status
// and diagnostic.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "analysis/analysis.h"
#include "driver/section_input.h"

namespace mphi {
namespace {

std::string caseFile(const std::string& name, const std::string& file) {
  std::ifstream in(std::string(MPHI_TEST_DATA) + "/e2e/cases/" + name + "/" + file,
                   std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ValueCase {
  const char* name;
  const char* ending;  // how the curve ended, or "" for a refused input
};

void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << c.name;
}

class CurveValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(CurveValueTest, GivesMphisOutput) {
  const ValueCase& c = GetParam();
  const SectionInput in = sectionFromInput(caseFile(c.name, "stdin"), "stdin");
  const std::string status = caseFile(c.name, "expected_status");
  EXPECT_EQ(std::to_string(in.status) + "\n", status);
  if (in.status != 0) {
    const std::string stderrText = caseFile(c.name, "expected_stderr");
    EXPECT_NE(stderrText.find(in.error + "\r\n"), std::string::npos) << in.error;
    return;
  }
  const Curve curve = computeCurve(in.section);
  EXPECT_STREQ(endingName(curve.ending), c.ending);
  EXPECT_EQ(sectionFileText(in.section, curve), caseFile(c.name, "expected_SECTION"));
  std::string console;
  for (const std::string& line : curve.console) console += line + "\r\n";
  const std::string stdoutText = caseFile(c.name, "expected_stdout");
  const std::string marker = " Data output in file SECTION\r\n";
  EXPECT_EQ(console, stdoutText.substr(stdoutText.find(marker) + marker.size()));
}

INSTANTIATE_TEST_SUITE_P(
    EndToEndCases, CurveValueTest,
    testing::Values(ValueCase{"worked_example", "0.8Mu"},
                    ValueCase{"values_on_separate_lines_with_crlf", "0.8Mu"},
                    ValueCase{"old_longer_section_replaced", "0.8Mu"},
                    ValueCase{"load_beyond_capacity", "no_equilibrium"},
                    ValueCase{"ratio_typed_in_per_cent", ""},
                    ValueCase{"confined_law_undefined", ""}, ValueCase{"invalid_bar_diameter", ""},
                    ValueCase{"letter_in_number", ""}, ValueCase{"quoted_value", ""},
                    ValueCase{"twenty_one_values", ""}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

}  // namespace
}  // namespace mphi
