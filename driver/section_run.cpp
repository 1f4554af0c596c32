#include "driver/section_run.h"

#include "analysis/section_check.h"
#include "analysis/specified_model.h"
#include "driver/channels.h"
#include "driver/console_lines.h"
#include "driver/section_dialogue.h"
#include "section_file/section_writer.h"
#include "textio/exit_status.h"

namespace mphi {

void runSection(NumberReader& reader, RecordWriter& writer) {
  const int inputChannel = kStdinChannel;
  const int exampleChannel = kStderrChannel;
  writeBanner(writer);
  writeExampleInput(writer, exampleChannel);

  SectionData section;
  const ReadResult read = readSectionValues(reader, section);
  if (read.diagnostic != 0) raiseSevere(read.diagnostic, inputChannel);

  applyBarLayout(writer, section);
  writeTextRecord(writer, kStdoutChannel, "Data output in file SECTION");
  writeEcho(writer, kSectionChannel, section);
  if (const std::optional<Fault> fault = findSectionFault(section)) {
    endRunWithError("mphi: " + invalidDataText(*fault), kExitInvalidData);
  }

  const Curve curve = specifiedCurve(section);
  writeConsoleLines(writer, curve);
  writeResults(writer, kSectionChannel, curve);
}

}  // namespace mphi
