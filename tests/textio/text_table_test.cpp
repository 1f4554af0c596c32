#include "textio/text_table.h"

#include <gtest/gtest.h>

#include <string>

#include "textio/formatted.h"

namespace mphi {
namespace {

TEST(TextTableTest, CsvQuotesOnlyWhatNeedsIt) {
  TextTable t;
  t.header = {"id", "status"};
  t.rows = {{"C1", "ok"}, {"A-1, A-4", "say \"no\""}, {"", "two\nlines"}};
  EXPECT_EQ(csvOf(t), "id,status\nC1,ok\n\"A-1, A-4\",\"say \"\"no\"\"\"\n,\"two\nlines\"\n");
  EXPECT_EQ(csvOf(TextTable{{"a"}, {}}), "a\n");
}

// Captions and titles run long; nothing is cut at a buffer's end.
TEST(FormattedTest, AnyLength) {
  const std::string long_text(3000, 'x');
  EXPECT_EQ(formatted("%s|%d", long_text.c_str(), 42), long_text + "|42");
  EXPECT_EQ(formatted("%.3f T", 2107.559), "2107.559 T");
  EXPECT_EQ(formatted("%s", ""), "");
}

}  // namespace
}  // namespace mphi
