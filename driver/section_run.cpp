#include "driver/section_run.h"

#include "analysis/analysis.h"
#include "driver/section_check.h"
#include "driver/section_dialogue.h"
#include "textio/channels.h"

namespace mphi {

void runSection(NumberReader& reader, RecordWriter& writer) {
  const int inputChannel = kStdinChannel;
  const int exampleChannel = kStderrChannel;
  writeBanner(writer);
  writeExampleInput(writer, exampleChannel);

  SectionData section;
  if (int diagnostic = readSectionData(reader, section)) raiseSevere(diagnostic, inputChannel);

  applyBarLayout(writer, section);
  writeTextRecord(writer, kStdoutChannel, "Data output in file SECTION");
  writeEcho(writer, section);
  const std::string fault = findSectionFault(section);
  if (!fault.empty()) endRunWithError(fault, kInvalidDataStatus);

  analyseSection(section, writer);
}

}  // namespace mphi
