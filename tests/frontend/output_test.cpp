#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>

#include "frontend/output_file.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

// Every number of the tools' tables reads back as the same value, with no
// more digits than that needs.
TEST(NumberTextTest, ShortestTextsGiveTheValueBack) {
  for (float v : {0.1f, 100.0f, -105.84f, 2107.559f, 1.6046579e-4f, 1e-38f, 1e-45f,
                  std::numeric_limits<float>::max(), -0.0f}) {
    EXPECT_EQ(std::strtof(floatText(v).c_str(), nullptr), v) << floatText(v);
  }
  for (double v : {0.1, 2035.973972616918, 1.6013253470213468e-4, 5e-324, 1.7976931348623157e308}) {
    EXPECT_EQ(std::strtod(doubleText(v).c_str(), nullptr), v) << doubleText(v);
  }
  EXPECT_EQ(floatText(0.1f), "0.1");
  EXPECT_EQ(floatText(100.0f), "100");
  EXPECT_EQ(doubleText(0.1), "0.1");
}

TEST(OutputFileTest, WritesWholeOrNothing) {
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("mphi-output-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "out.csv").string();
  EXPECT_EQ(writeFileAtomically(path, "a,b\n"), "");
  EXPECT_EQ(writeFileAtomically(path, "c\n"), "");  // replaced, never appended
  std::ifstream in(path);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "c\n");
  EXPECT_EQ(writeFileAtomically((dir / "no" / "x").string(), "x"), "No such file or directory");
  EXPECT_EQ(writeFileAtomically(dir.string(), "x"), "Is a directory");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left
  EXPECT_EQ(loadFolder(7, 21), "load-07");
  EXPECT_EQ(loadFolder(7, 9), "load-7");
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace mphi
