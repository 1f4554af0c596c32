// The tools' shared options: what they ask for, and the one line a user
// reads when they are wrong.
#include "frontend/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "frontend/tool_status.h"

namespace mphi {
namespace {

struct Parsed {
  int status;
  std::string error;
  Analysis analysis;
  std::string analysisError;
};

Parsed parse(std::vector<std::string> words) {
  CLI::App app{"test", "tool"};
  AnalysisOptions options;
  addAnalysisOptions(app, options);
  std::string csv;
  app.add_option("--csv", csv);
  words.insert(words.begin(), "tool");
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  testing::internal::CaptureStderr();
  Parsed p;
  p.status = parseCommandLine(app, static_cast<int>(argv.size()), argv.data(), "tool");
  p.error = testing::internal::GetCapturedStderr();
  if (p.status < 0 && !analysisOf(options, p.analysis, p.analysisError)) p.status = -2;
  return p;
}

TEST(CommandLineTest, MistakesNamedOnOneLine) {
  const struct {
    std::vector<std::string> words;
    int status;
    const char* says;  // in the error line
  } cases[] = {
      {{"--lenght", "200"}, kExitUsage, "(did you mean --length?)"},
      {{"--model=asessment"}, kExitUsage, "--model: asessment not in {spec,assessment}"},
      {{"--cvs", "x.csv"}, kExitUsage, "(did you mean --csv?)"},
      {{"--frobnicate"}, kExitUsage, "(see --help)"},
      {{"--units", "SI"}, kExitUsage, "--units"},
      {{"--bars-face", "4"}, -2, ""},  // counts without the assessment model
      {{"--model", "assessment", "--bars-face", "4", "--length", "2", "--units", "si"}, -1, ""},
  };
  for (const auto& c : cases) {
    const Parsed p = parse(c.words);
    EXPECT_EQ(p.status, c.status) << c.words[0];
    EXPECT_NE(p.error.find(c.says), std::string::npos) << p.error;
    EXPECT_EQ(std::count(p.error.begin(), p.error.end(), '\n'), p.error.empty() ? 0 : 1);
  }
  const Parsed p = parse(cases[6].words);
  EXPECT_EQ(p.analysis.model, Model::Assessment);
  EXPECT_DOUBLE_EQ(p.analysis.length, 200);  // 2 m
  ASSERT_TRUE(p.analysis.bars);
  EXPECT_EQ(p.analysis.bars->face, 4);
}

TEST(CommandLineTest, LoadsInTheUnits) {
  Units si;
  ASSERT_TRUE(unitsNamed("si", si));
  std::vector<float> loads;
  std::string bad;
  ASSERT_TRUE(parseLoads("981,-98.1", si, loads, bad));
  EXPECT_EQ(loads, (std::vector<float>{100, -10}));
  const std::pair<const char*, const char*> refused[] = {
      {"1,,2", ""}, {"1,x", "x"}, {"nan", "nan"}, {"2,inf", "inf"}, {"", "-"}};
  for (const auto& [text, item] : refused) {
    loads.clear();
    bad = "-";
    EXPECT_FALSE(parseLoads(text, Units{}, loads, bad)) << text;
    EXPECT_EQ(bad, item) << text;
  }
  loads.clear();
  EXPECT_FALSE(parseLoads("5,1e999", si, loads, bad));
  EXPECT_EQ(bad, "1e999");
}

}  // namespace
}  // namespace mphi
