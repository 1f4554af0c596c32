#include "batch/section_table.h"

#include <gtest/gtest.h>

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
        TableCase{"LongRow", kHeader + "\n1,2,3,4,5,6,7,8,9,10,11,12,13\n",
                  "row 1 has 13 cells, the header 12", 0, ""},
        TableCase{"Empty", "", "no header row", 0, ""},
        TableCase{"MissingColumn", "b,h\n1,2\n", "required column \"dcm\" is missing", 0, ""}),
    [](const testing::TestParamInfo<TableCase>& info) { return info.param.name; });

TEST(SectionTableTest, CsvLineQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(csvLine({"a", "b c", "d,e", "f\"g", ""}), "a,b c,\"d,e\",\"f\"\"g\",");
}

}  // namespace
}  // namespace mphi
