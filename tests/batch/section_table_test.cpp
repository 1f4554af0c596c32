#include "batch/section_table.h"

#include <gtest/gtest.h>

#include "textio/text_table.h"

namespace mphi {
namespace {

const std::string kHeader = "b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r";

struct TableCase {
  const char* name;
  std::string bytes;
  std::string error;  // empty: read
  std::size_t rows;
  std::string lastCell;  // of the last row
};

void PrintTo(const TableCase& c, std::ostream* os) {
  *os << c.name;
}

class SectionTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(SectionTableTest, ReadsWhatSpreadsheetsWrite) {
  const TableCase& c = GetParam();
  const SectionTable t = parseSectionTable(c.bytes);
  EXPECT_EQ(t.error, c.error);
  ASSERT_EQ(t.rows.size(), c.rows);
  if (c.rows > 0) {
    EXPECT_EQ(t.rows.back().back(), c.lastCell);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SectionTableTest,
    testing::Values(
        TableCase{"LineFeeds", kHeader + ",note\n1,2,3,4,5,6,7,8,9,10,11,12,x\n", "", 1, "x"},
        TableCase{"CarriageReturns", kHeader + ",note\r\n1,2,3,4,5,6,7,8,9,10,11,12,y\r\n", "", 1,
                  "y"},
        TableCase{"ByteOrderMarkAndQuotes",
                  "\xEF\xBB\xBF" + kHeader + ",note\n1,2,3,4,5,6,7,8,9,10,11,12,\"a, \"\"b\"\"\"\n",
                  "", 1, "a, \"b\""},
        TableCase{"BlankLinesSkipped", kHeader + "\n\n1,2,3,4,5,6,7,8,9,10,11,12\n\n", "", 1, "12"},
        TableCase{"ShortRowFilled", kHeader + ",note\n1,2\n", "", 1, ""},
        TableCase{"LongRowCutToTheHeader", kHeader + "\n1,2,3,4,5,6,7,8,9,10,11,12,13\n", "", 1,
                  "12"},
        TableCase{"Empty", "", "no header row", 0, ""},
        TableCase{"EveryMissingColumnNamed", "b,H,Es\n1,2,3\n",
                  "required columns dcm, clearb1cm, dbcm, sccm, fc, fy, fsy, P0, r are missing", 0,
                  ""},
        TableCase{"OneMissingColumn", "b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,r\n",
                  "required column P0 is missing", 0, ""},
        TableCase{"GivenTwiceInTwoUnits", "b_cm,b (mm)," + kHeader.substr(2) + "\n",
                  "column b is given twice: \"b_cm\" and \"b (mm)\"", 0, ""},
        TableCase{"NotAUnitOfIt", "b (MPa)," + kHeader.substr(2) + "\n",
                  "column \"b (MPa)\": mpa is not a unit of b (mm, cm, m)", 0, ""},
        TableCase{"EuropeanSemicolons",
                  "B ; h;dcm;clearb1cm;dbcm;sccm;fc;fy;fsy;Es;P0;r;note\n40;35;1,9;5;1,3;10;0,21;"
                  "4,2;2,8;2100;100;0,02;\"a; b\"\n",
                  "", 1, "a; b"},
        TableCase{"UnclosedQuote", "b,h\n\"40,35\n",
                  "malformed CSV: the file ends inside a quoted cell (read as comma-separated: the "
                  "header has commas outside quotes)",
                  0, ""},
        TableCase{"StrayQuote", kHeader + "\n1,2,3\n4\"0,35\n",
                  "malformed CSV at line 3: a stray quote (a quoted cell must be quoted whole) "
                  "(read as comma-separated: the header has commas outside quotes)",
                  0, ""},
        TableCase{
            "SemicolonsWithACommaInAQuotedHeader",
            "\"Grid, axis\";b;h;dcm;clearb1cm;dbcm;sccm;fc;fy;fsy;Es;P0;r\nA-1;40;35;1,9;5;1,3;"
            "10;0,21;4,2;2,8;2100;100;0,02\n",
            "", 1, "0,02"},
        TableCase{
            "UnknownUnitsNamed", "b_in,h,dcm,clearb1cm,dbcm,sccm,fc_ksi,fy,fsy,Es,P0,r\n",
            "required columns b, fc are missing; \"b_in\": in is not a unit of b (mm, cm, m); "
            "\"fc_ksi\": ksi is not a unit of fc (MPa, GPa, T/cm2)",
            0, ""}),
    [](const testing::TestParamInfo<TableCase>& info) { return info.param.name; });

// Names in any case, with blanks around them or a unit in brackets or after
// an underscore; the unit's factor to mphi's, as the analysis converts.
TEST(SectionTableTest, FindsColumnsByNameAndUnit) {
  const SectionTable t = parseSectionTable(
      " B (cm),h_mm,DCM,clearb1cm (m),dbcm,sccm,fc_MPa,fy (GPa),fsy,es,P0_kN,r (-),Id,L (m),my "
      "own\n"
      "40,350,1.9,0.05,1.3,10,20.6,0.41,2.8,2100,981,0.02,C1,3,x\n");
  ASSERT_EQ(t.error, "");
  const struct {
    const char* name;
    int index;
    double factor;
  } want[] = {{"b", 0, 1},           {"h", 1, 0.1},        {"dcm", 2, 1},
              {"clearb1cm", 3, 100}, {"fc", 6, 0.0102f},   {"fy", 7, 1000 * double(0.0102f)},
              {"Es", 9, 1},          {"P0", 10, 1 / 9.81}, {"r", 11, 1},
              {"id", 12, 1},         {"L", 13, 100}};
  for (const auto& w : want) {
    ASSERT_EQ(t.columns.count(w.name), 1u) << w.name;
    EXPECT_EQ(t.columns.at(w.name).index, w.index) << w.name;
    EXPECT_NEAR(t.columns.at(w.name).factor, w.factor, 1e-12 * w.factor) << w.name;
  }
  EXPECT_EQ(t.columns.count("model"), 0u);
  float value = 0;
  ASSERT_TRUE(readCell(t, t.columns.at("h"), "350", value));
  EXPECT_EQ(value, 35.0f);
  ASSERT_TRUE(readCell(t, t.columns.at("P0"), " 981 ", value));
  EXPECT_FLOAT_EQ(value, 100);
  const SectionTable european = parseSectionTable(kHeader + "\n");
  EXPECT_FALSE(european.decimalComma);
  SectionTable semicolons = parseSectionTable("b;h;dcm;clearb1cm;dbcm;sccm;fc;fy;fsy;Es;P0;r\n");
  ASSERT_TRUE(semicolons.decimalComma);
  ASSERT_TRUE(readCell(semicolons, semicolons.columns.at("fc"), "0,21", value));
  EXPECT_EQ(value, 0.21f);
}

TEST(SectionTableTest, CsvLineQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(csvLine({"a", "b c", "d,e", "f\"g", ""}), "a,b c,\"d,e\",\"f\"\"g\",");
}

}  // namespace
}  // namespace mphi
