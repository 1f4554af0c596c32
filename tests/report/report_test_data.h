// The worked example's SECTION, the file every report test starts from, and
// the SECTION of any section data, worked out in process.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "analysis/section_check.h"
#include "analysis/specified_model.h"
#include "section_file/section_reader.h"
#include "section_file/section_writer.h"

namespace mphi {

// The SECTION mphi writes for an end-to-end case.
inline std::string caseSection(const char* name) {
  std::ifstream in(std::string(MPHI_TEST_DATA) + "/e2e/cases/" + name + "/expected_SECTION",
                   std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline std::string workedSectionText() {
  return caseSection("worked_example");
}

// The worked example's SECTION as mphi-report reads it.
inline SectionFile workedFile() {
  return parseSectionFile(workedSectionText()).file;
}

// `s` before the layout, which is applied here.
inline std::string sectionTextOf(SectionData s) {
  prepareSection(s);
  return sectionText(s, specifiedCurve(s));
}

}  // namespace mphi
