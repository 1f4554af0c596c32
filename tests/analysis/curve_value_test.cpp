// The analysis as a value against mphi's own output: every end-to-end case
// through the in-process path gives mphi's SECTION, console lines, status
// and diagnostic.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "analysis/section_check.h"
#include "analysis/specified_model.h"
#include "driver/channels.h"
#include "driver/console_lines.h"
#include "frontend/tool_status.h"
#include "section/section_input.h"
#include "section_file/section_writer.h"

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

void keepLine(void* text, int, const char* line, std::size_t length) {
  static_cast<std::string*>(text)->append(line, length).append("\r\n");
}

TEST_P(CurveValueTest, GivesMphisOutput) {
  const ValueCase& c = GetParam();
  SectionData section;
  const ReadResult read = readSectionValues(caseFile(c.name, "stdin"), section);
  std::optional<Fault> fault;
  if (read.diagnostic == 0) fault = prepareSection(section);
  const int status = read.diagnostic != 0 ? read.diagnostic : fault ? kExitInvalidData : 0;
  EXPECT_EQ(std::to_string(status) + "\n", caseFile(c.name, "expected_status"));
  if (status != 0) {
    const std::string line = read.diagnostic != 0
                                 ? diagnosticLine(read.diagnostic, kStdinChannel, "stdin")
                                 : "mphi: " + invalidDataText(*fault);
    const std::string stderrText = caseFile(c.name, "expected_stderr");
    EXPECT_NE(stderrText.find(line + "\r\n"), std::string::npos) << line;
    return;
  }
  const Curve curve = specifiedCurve(section);
  EXPECT_STREQ(endName(curve.end), c.ending);
  EXPECT_EQ(sectionText(section, curve), caseFile(c.name, "expected_SECTION"));
  std::string console;
  RecordWriter writer = makeRecordWriter(keepLine, &console);
  writeConsoleLines(writer, curve);
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
                    ValueCase{"tension_bars_fail", "tension_bars"},
                    ValueCase{"compression_bars_fail", "compression_bars"},
                    ValueCase{"search_out_of_trials", "0.8Mu"}, ValueCase{"past_row_498", "0.8Mu"},
                    ValueCase{"table_full", "table_full"}, ValueCase{"ratio_typed_in_per_cent", ""},
                    ValueCase{"confined_law_undefined", ""}, ValueCase{"invalid_bar_diameter", ""},
                    ValueCase{"letter_in_number", ""}, ValueCase{"quoted_value", ""},
                    ValueCase{"twenty_one_values", ""}),
    [](const testing::TestParamInfo<ValueCase>& info) { return info.param.name; });

}  // namespace
}  // namespace mphi
