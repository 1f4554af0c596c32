// The worked example's SECTION, the file every report test starts from, and
// the SECTION of any section data, worked out in process.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "analysis/analysis.h"
#include "driver/section_dialogue.h"
#include "textio/channels.h"

namespace mphi {

inline std::string workedSectionText() {
  std::ifstream in(std::string(MPHI_TEST_DATA) + "/e2e/cases/worked_example/expected_SECTION",
                   std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void collectSectionLine(void* text, int channel, const char* line, std::size_t length) {
  if (channel != kSectionChannel) return;
  static_cast<std::string*>(text)->append(line, length).append("\r\n");
}

// `s` before the layout, which is applied here.
inline std::string sectionTextOf(SectionData s) {
  std::string text;
  RecordWriter writer = makeRecordWriter(collectSectionLine, &text);
  applyBarLayout(writer, s);
  writeEcho(writer, s);
  analyseSection(s, writer);
  return text;
}

}  // namespace mphi
