#include "report/csv_export.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tests/report/report_test_data.h"

namespace mphi {
namespace {

// Every float of the table comes back exactly from its CSV text.
TEST(CsvExportTest, RoundTripsEveryRow) {
  const ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  SectionFile f = p.file;
  f.rows[5] = {1.17549435e-38f, -3.40282347e38f, 1.4e-45f, 0.1f};  // extremes survive too
  std::istringstream csv(csvText(f));
  std::string line;
  std::getline(csv, line);
  EXPECT_EQ(line, "row,curvature_per_cm,moment_Tcm,fibre_strain,neutral_axis_cm");
  std::size_t rows = 0;
  while (std::getline(csv, line)) {
    const char* at = line.c_str();
    char* end = nullptr;
    EXPECT_EQ(std::strtol(at, &end, 10), static_cast<long>(rows + 1));
    float values[4];
    for (float& v : values) {
      ASSERT_EQ(*end, ',') << line;
      v = std::strtof(end + 1, &end);
    }
    EXPECT_EQ(*end, '\0');
    const TableRow& r = f.rows[rows];
    EXPECT_EQ(values[0], r.k) << line;
    EXPECT_EQ(values[1], r.m) << line;
    EXPECT_EQ(values[2], r.e) << line;
    EXPECT_EQ(values[3], r.c) << line;
    ++rows;
  }
  EXPECT_EQ(rows, f.rows.size());  // zero rows included
}

}  // namespace
}  // namespace mphi
