// The worked example's SECTION, the file every report test starts from.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace mphi {

inline std::string workedSectionText() {
  std::ifstream in(std::string(MPHI_TEST_DATA) + "/e2e/cases/worked_example/expected_SECTION",
                   std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace mphi
