#include "report/csv_export.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tests/report/report_test_data.h"

namespace mphi {
namespace {

// The origin and the computed rows, each under its SECTION row number, and
// every float back exactly from its text.
TEST(CsvExportTest, ListsComputedRowsExactly) {
  const SectionFile f = workedFile();
  std::vector<TableRow> table = tableOf(f.curve);
  table[5] = {1.17549435e-38f, -3.40282347e38f, 1.4e-45f, 0.1f};  // extremes survive too
  table[9] = {};  // an abandoned step is no curve point
  std::istringstream csv(csvText(curveFromTable(table, 0, 0, 0)));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "row,curvature_per_cm,moment_Tcm,fibre_strain,neutral_axis_cm");
  std::vector<long> rows;
  while (std::getline(csv, line)) {
    char* end = nullptr;
    rows.push_back(std::strtol(line.c_str(), &end, 10));
    float values[4];
    for (float& v : values) {
      ASSERT_EQ(*end, ',') << line;
      v = std::strtof(end + 1, &end);
    }
    EXPECT_EQ(*end, '\0');
    const TableRow& r = table[rows.back() - 1];
    EXPECT_EQ(values[0], r.k) << line;
    EXPECT_EQ(values[1], r.m) << line;
    EXPECT_EQ(values[2], r.e) << line;
    EXPECT_EQ(values[3], r.c) << line;
  }
  ASSERT_EQ(rows.size(), 153u);  // rows 1 to 154 but 10; not the closing zero row 155
  EXPECT_EQ(rows[8], 9);
  EXPECT_EQ(rows[9], 11);
  EXPECT_EQ(rows.back(), 154);
}

}  // namespace
}  // namespace mphi
