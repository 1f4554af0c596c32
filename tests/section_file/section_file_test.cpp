#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "figures/curve_figures.h"
#include "model/section_result.h"
#include "section_file/section_reader.h"
#include "section_file/section_writer.h"
#include "tests/report/report_test_data.h"
#include "tests/support/random_section.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

TEST(SectionFileTest, ReadsTheWorkedExample) {
  const ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok) << p.errorLine << ": " << p.error;
  const SectionData& s = p.file.section;
  EXPECT_EQ(s.b, 40.0f);
  EXPECT_EQ(s.h, 35.0f);
  EXPECT_EQ(s.num1, 2.710927f);
  EXPECT_EQ(s.clearb1cm, 5.0f);
  EXPECT_EQ(s.fc, 0.21f);
  EXPECT_EQ(s.P0, 100.0f);
  const Curve& c = p.file.curve;
  ASSERT_EQ(c.tableRows, 155);
  ASSERT_EQ(c.points.size(), 154u);  // the origin and rows 2 to 154
  EXPECT_EQ(c.points[1].phi, 3.3280165E-05f);
  EXPECT_EQ(c.points[1].M, 893.4188f);
  EXPECT_EQ(c.points[91].M, 2107.559f);
  EXPECT_EQ(c.points[153].c, 17.75069f);
  EXPECT_EQ(c.keys.peak.row, 92);
  EXPECT_EQ(c.keys.ultimate.row, 154);
  EXPECT_EQ(c.keys.firstYield.M, 2040.211f);
  EXPECT_EQ(c.keys.firstYield.phi, 1.6046579E-04f);
  EXPECT_EQ(c.end, CurveEnd::NotKnown);  // 0.8 Mu or a bar failure: the table does not tell
}

// mphi's own files read back: how each ended, as far as the table tells,
// and what a report says of a curve without equilibrium.
TEST(SectionFileTest, TellsTheEndOfMphisOwnFiles) {
  std::string lastRowZero = caseSection("table_full");
  const std::size_t yield = lastRowZero.find(" Initial yield");
  const std::size_t last = lastRowZero.rfind("\r\n", yield - 3) + 2;
  lastRowZero.replace(last, yield - last,
                      "  0.0000000E+00  0.0000000E+00  0.0000000E+00  0.0000000E+00\r\n");
  const struct {
    const char* name;
    std::string text;
    CurveEnd end;
    int rows;
    const char* status;  // how a report's status begins
  } cases[] = {
      {"worked_example", caseSection("worked_example"), CurveEnd::NotKnown, 155, "ok"},
      {"table_full", caseSection("table_full"), CurveEnd::TableFull, 500, "ok"},
      {"last row zero", lastRowZero, CurveEnd::NotKnown, 500, "ok"},
      {"past_row_498", caseSection("past_row_498"), CurveEnd::NotKnown, 499, "ok"},
      {"load_beyond_capacity", caseSection("load_beyond_capacity"), CurveEnd::NoEquilibrium, 21,
       "no equilibrium: the axial load exceeds what the section can carry (about Po = 362.5 T)"},
  };
  for (const auto& c : cases) {
    const ParsedSection p = parseSectionFile(c.text);
    ASSERT_TRUE(p.ok) << c.name << ": " << p.errorLine << ": " << p.error;
    EXPECT_EQ(p.file.curve.end, c.end) << c.name;
    EXPECT_EQ(p.file.curve.tableRows, c.rows) << c.name;
    EXPECT_EQ(resultStatus(resultOfFile(p.file)).rfind(c.status, 0), 0u)
        << c.name << ": " << resultStatus(resultOfFile(p.file));
  }
}

TEST(SectionFileTest, TakesLinesEndedByLineFeedAlone) {
  std::string text = workedSectionText();
  std::string lf;
  for (char c : text) {
    if (c != '\r') lf += c;
  }
  EXPECT_TRUE(parseSectionFile(lf).ok);
}

// Each malformed file names the line of its first fault.
struct BrokenCase {
  const char* name;
  std::string (*breakIt)(std::string);
  int line;
  const char* error;
};

// Lists and failures show the case by its name.
void PrintTo(const BrokenCase& c, std::ostream* os) {
  *os << c.name;
}

std::string cutAfterLine(const std::string& text, int lines) {
  std::size_t at = 0;
  for (int i = 0; i < lines; ++i) at = text.find('\n', at) + 1;
  return text.substr(0, at);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

class BrokenSectionTest : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenSectionTest, NamesTheLine) {
  const ParsedSection p = parseSectionFile(GetParam().breakIt(workedSectionText()));
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.errorLine, GetParam().line);
  EXPECT_EQ(p.error.rfind(GetParam().error, 0), 0u) << p.error;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenSectionTest,
    testing::Values(
        BrokenCase{"Empty", [](std::string) { return std::string(); }, 1, "empty file"},
        BrokenCase{"NotMphiOutput", [](std::string) { return std::string("hello\n"); }, 1,
                   "not a SECTION file written by mphi"},
        BrokenCase{"RunStoppedAfterTheEcho", [](std::string t) { return cutAfterLine(t, 8); }, 9,
                   "file ends after the section data: the run that wrote it stopped"},
        BrokenCase{"EchoCutShort", [](std::string t) { return cutAfterLine(t, 4); }, 5,
                   "file ends where the section data"},
        BrokenCase{"TableCutShort", [](std::string t) { return cutAfterLine(t, 100); }, 101,
                   "the table is cut short"},
        BrokenCase{"NoYieldValues", [](std::string t) { return cutAfterLine(t, 165); }, 166,
                   "file ends where the initial-yield values"},
        BrokenCase{"LetterInField",
                   [](std::string t) { return replaced(t, "893.4188", "893.4l88"); }, 11,
                   "\"   893.4l88    \" is not a number field"},
        BrokenCase{"NaNInTable",
                   [](std::string t) { return replaced(t, "   893.4188    ", "            NaN"); },
                   11, "\"            NaN\" is not a number field"},
        BrokenCase{"ShortRow",
                   [](std::string t) { return replaced(t, "   893.4188    ", "893.4188"); }, 11,
                   "expected a table row"},
        BrokenCase{"TrailingText", [](std::string t) { return t + "more\r\n"; }, 167,
                   "unexpected text after"}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

// A run refused for its data echoes what it read, infinities included; the
// table may hold only finite numbers.
TEST(SectionFileTest, EchoMayHoldInfinityButTheTableMayNot) {
  std::string text = replaced(workedSectionText(), "   1.900000    ", "       Infinity");
  EXPECT_TRUE(parseSectionFile(text).ok);
  text = replaced(text, "   893.4188    ", "       Infinity");
  EXPECT_EQ(parseSectionFile(text).errorLine, 11);
}

TEST(SectionFileTest, RefusesMoreThanFiveHundredRows) {
  std::string text = cutAfterLine(workedSectionText(), 9);
  for (int i = 0; i < 501; ++i)
    text += "  0.0000000E+00  0.0000000E+00  0.0000000E+00  0.0000000E+00\r\n";
  const ParsedSection p = parseSectionFile(text);
  EXPECT_FALSE(p.ok);
  EXPECT_EQ(p.errorLine, 510);
}

bool sameBits(double a, double b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The figures of a section and its curve rounded as SECTION rounds them are
// the figures of the written file read back, to the last bit: the tools
// need no text to give mphi-report's numbers.
TEST(AsWrittenTest, FiguresEqualThoseOfTheFileReadBack) {
  Uniform u{4242};
  for (int i = 0; i < 200; ++i) {
    // The worked example first.
    SectionData s = i == 0 ? workedSection() : randomSection(u);
    ASSERT_FALSE(prepareSection(s)) << i;
    const Curve curve = specifiedCurve(s);
    const SectionFile direct = asWritten(s, curve);
    const ParsedSection read = parseSectionFile(sectionText(s, curve));
    ASSERT_TRUE(read.ok) << read.error;
    // Rows whose search gave up are no results; only the model knows them.
    const auto unbalanced = std::count_if(curve.points.begin(), curve.points.end(),
                                          [](const CurvePoint& p) { return !p.balanced; });
    if (unbalanced > 0) {
      EXPECT_EQ(direct.curve.points.size() + unbalanced, read.file.curve.points.size()) << i;
      continue;
    }
    const double length = u(100, 600);
    const CurveFigures a = curveFigures(direct.section, direct.curve, withLength(length));
    const CurveFigures b = curveFigures(read.file.section, read.file.curve, withLength(length));
    ASSERT_EQ(direct.curve.points.size(), read.file.curve.points.size()) << i;
    for (std::size_t k = 0; k < a.drift.curve.size(); ++k) {
      EXPECT_TRUE(sameBits(a.drift.curve[k].V, b.drift.curve[k].V)) << i << " point " << k;
    }
    for (auto pair :
         {std::make_pair(a.steelRatio, b.steelRatio), std::make_pair(a.caltrans.Mp, b.caltrans.Mp),
          std::make_pair(a.caltrans.muPhi, b.caltrans.muPhi),
          std::make_pair(a.priestley.Mn, b.priestley.Mn),
          std::make_pair(a.priestley.muPhi, b.priestley.muPhi),
          std::make_pair(a.drift.deltaU, b.drift.deltaU),
          std::make_pair(direct.curve.keys.peak.M, read.file.curve.keys.peak.M),
          std::make_pair(direct.curve.keys.firstYield.phi, read.file.curve.keys.firstYield.phi)}) {
      EXPECT_TRUE(sameBits(pair.first, pair.second))
          << i << ": " << pair.first << " against " << pair.second;
    }
    // Rounded as the file rounds them, not left as the model's floats.
    if (i == 0) {
      EXPECT_EQ(direct.curve.keys.peak.M, 2107.559f);
      EXPECT_NE(curve.keys.peak.M, 2107.559f);
    }
  }
}

}  // namespace
}  // namespace mphi
