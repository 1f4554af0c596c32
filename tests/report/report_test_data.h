// The worked example's SECTION, the file every report test starts from, and
// the SECTION of any section data, worked out in process.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "analysis/analysis.h"
#include "driver/section_input.h"

namespace mphi {

inline std::string workedSectionText() {
  std::ifstream in(std::string(MPHI_TEST_DATA) + "/e2e/cases/worked_example/expected_SECTION",
                   std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// `s` before the layout, which is applied here.
inline std::string sectionTextOf(SectionData s) {
  prepareSection(s);
  return sectionFileText(s, computeCurve(s));
}

}  // namespace mphi
