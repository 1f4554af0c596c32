#include "driver/section_input.h"

#include "analysis/results_report.h"
#include "driver/section_check.h"
#include "driver/section_dialogue.h"
#include "textio/channels.h"
#include "textio/line_source.h"

namespace mphi {
namespace {

void keepSectionLine(void* text, int channel, const char* line, std::size_t length) {
  if (channel == kSectionChannel)
    static_cast<std::string*>(text)->append(line, length).append("\r\n");
}

}  // namespace

std::string prepareSection(SectionData& section) {
  RecordWriter quiet = silentWriter();
  applyBarLayout(quiet, section);
  return findSectionFault(section);
}

SectionInput sectionFromInput(const std::string& text, const std::string& fileName) {
  SectionInput input;
  StringBytes bytes{text, 0};
  NumberReader reader{makeLineSource(readStringBytes, &bytes)};
  if (const int diagnostic = readSectionData(reader, input.section)) {
    input.status = diagnostic;
    input.error = diagnosticLine(diagnostic, kStdinChannel, fileName);
    return input;
  }
  input.error = prepareSection(input.section);
  if (!input.error.empty()) input.status = kInvalidDataStatus;
  return input;
}

std::string withoutProgramName(const std::string& line) {
  const std::string prefix = "mphi: ";
  return line.compare(0, prefix.size(), prefix) == 0 ? line.substr(prefix.size()) : line;
}

std::string sectionFileText(const SectionData& section, const Curve& curve) {
  std::string text;
  RecordWriter writer = makeRecordWriter(keepSectionLine, &text);
  writeEcho(writer, section);
  writeReport(writer, curve);
  return text;
}

}  // namespace mphi
