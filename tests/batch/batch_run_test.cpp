// A table cut into parts gives, part by part, what the whole table gives.
#include "batch/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "batch/section_table.h"

namespace mphi {
namespace {

const std::string kHeader = "id,model,b,h,dcm,clearb1cm,dbcm,sccm,fc,fy,fsy,Es,P0,r\n";
const std::string kSection = ",40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,100,0.02\n";

// Rows of the worked section: ids, models, and one bad cell.
std::string table() {
  return kHeader + "A," + kSection + "B,assessment" + kSection + "A,assessment" + kSection +
         "C,,40,35,1.9,5,1.3,10,0.21,4.2,2.8,2100,x,0.02\n" + "D," + kSection;
}

// Rows `from` to `to` (0-based, exclusive) as a part of the whole table.
BatchResult part(const SectionTable& whole, std::size_t from, std::size_t to) {
  BatchRequest request;
  request.firstRow = from;
  for (std::size_t i = 0; i < from; ++i) request.earlierIds.emplace(whole.rows[i][0], i + 1);
  const std::vector<std::vector<std::string>> rows(whole.rows.begin() + from,
                                                   whole.rows.begin() + to);
  return runBatch(sectionTableOf(whole.header, rows, false), request);
}

TEST(BatchRunTest, PartsAnswerAsTheWhole) {
  const SectionTable whole = parseSectionTable(table());
  ASSERT_EQ(whole.error, "");
  const BatchResult all = runBatch(whole, BatchRequest{});
  ASSERT_EQ(all.table.rows.size(), 5u);
  const std::size_t status = whole.header.size();
  EXPECT_EQ(all.table.rows[2][status], "data row 3: id \"A\" repeats data row 1");
  EXPECT_EQ(all.table.rows[3][status], "data row 4, column P0: \"x\" is not a number");

  for (std::size_t cut = 1; cut < 5; ++cut) {
    const BatchResult first = part(whole, 0, cut), second = part(whole, cut, 5);
    std::vector<std::vector<std::string>> statuses;
    for (const BatchResult* r : {&first, &second}) {
      for (const auto& row : r->table.rows) statuses.push_back({row[0], row[status]});
    }
    for (std::size_t i = 0; i < 5; ++i) {
      EXPECT_EQ(statuses[i][1], all.table.rows[i][status]) << "cut at " << cut << ", row " << i;
    }
  }
}

// The columns follow the models that ran, whichever part they ran in.
TEST(BatchRunTest, ColumnsOfTheModelsThatRan) {
  const Units units;
  const std::vector<std::string> spec = resultHeader(Model::Specified, units);
  const std::vector<std::string> assessed = resultHeader(Model::Assessment, units);
  EXPECT_EQ(batchColumns({Model::Specified}, Model::Assessment, units), spec);
  EXPECT_EQ(batchColumns({Model::Assessment}, Model::Specified, units), assessed);
  EXPECT_EQ(batchColumns({}, Model::Assessment, units), assessed);
  const std::vector<std::string> both =
      batchColumns({Model::Specified, Model::Assessment}, Model::Specified, units);
  EXPECT_EQ(std::vector<std::string>(both.begin(), both.begin() + assessed.size()), assessed);
  for (const std::string& c : spec) EXPECT_EQ(std::count(both.begin(), both.end(), c), 1) << c;

  const SectionTable whole = parseSectionTable(table());
  const BatchResult first = part(whole, 0, 1), rest = part(whole, 1, 5);
  EXPECT_EQ(first.modelsRan, std::vector<Model>{Model::Specified});
  EXPECT_EQ(rest.modelsRan, (std::vector<Model>{Model::Specified, Model::Assessment}));
}

// Cells already read go through the same column rules as a file.
TEST(BatchRunTest, TableFromCells) {
  const SectionTable t = parseSectionTable(table());
  std::vector<std::vector<std::string>> rows = t.rows;
  rows[0].pop_back();
  const SectionTable shorter = sectionTableOf(t.header, rows, false);
  EXPECT_EQ(shorter.error, "");
  EXPECT_EQ(shorter.rows[0].back(), "");
  rows[1].push_back("extra");
  // A row too long is refused alone, the others read.
  const SectionTable longer = sectionTableOf(t.header, rows, false);
  EXPECT_EQ(longer.error, "");
  EXPECT_EQ(longer.rowErrors[1],
            "has 15 cells, the header 14: the row is refused and its cells past the header's "
            "dropped");
  EXPECT_EQ(longer.rowErrors[0], "");
  EXPECT_EQ(sectionTableOf({"b", "h"}, {}, false).error.rfind("required columns dcm,", 0), 0u);
}

}  // namespace
}  // namespace mphi
