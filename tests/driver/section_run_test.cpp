#include "driver/section_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/in_process_run.h"

namespace mphi {
namespace {

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

const std::string kWorkedCase = std::string(MPHI_TEST_DATA) + "/e2e/cases/worked_example/";

// The in-process run is the program's run: the same SECTION byte for byte.
TEST(SectionRunTest, InProcessRunWritesTheProgramsSection) {
  const InProcessRun run = runInProcess(fileText(kWorkedCase + "stdin"));
  EXPECT_FALSE(run.failed) << run.failureLine;
  EXPECT_EQ(run.section, fileText(kWorkedCase + "expected_SECTION"));
  EXPECT_EQ(run.console, fileText(kWorkedCase + "expected_stdout"));
}

struct FailedRunCase {
  const char* name;
  const char* input;
  int status;
  const char* line;
};

// Lists and failures show the case by its name.
void PrintTo(const FailedRunCase& c, std::ostream* os) {
  *os << c.name;
}

class FailedRunTest : public testing::TestWithParam<FailedRunCase> {};

TEST_P(FailedRunTest, EndsThroughTheReplaceableEnd) {
  const InProcessRun run = runInProcess(GetParam().input);
  EXPECT_TRUE(run.failed);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.failureLine, GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, FailedRunTest,
    testing::Values(
        FailedRunCase{"EmptyInput", "", 24,
                      "mphi: severe (24): end-of-file during read, unit 5, file stdin"},
        FailedRunCase{"LetterInNumber", "12a\n", 59,
                      "mphi: severe (59): list-directed I/O syntax error, unit 5, file stdin"},
        FailedRunCase{"InvalidData", "21*1 0.02\n", 65,
                      "mphi: invalid section data: b = 1: section width must be at least 12 cm"}),
    [](const testing::TestParamInfo<FailedRunCase>& info) { return info.param.name; });

}  // namespace
}  // namespace mphi
