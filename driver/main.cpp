// mphi: moment-curvature curve of a rectangular RC column section under a
// constant axial load. One run: SECTION, banner, example, 22 values, layout,
// echo, check, analysis, end.
#include "analysis/analysis.h"
#include "driver/section_check.h"
#include "driver/section_dialogue.h"
#include "textio/channels.h"

int main() {
  using namespace mphi;
  const int inputChannel = kStdinChannel;
  const int exampleChannel = kStderrChannel;
  startRun();
  openSection();

  RecordWriter writer = channelWriter();
  writeBanner(writer);
  writeExampleInput(writer, exampleChannel);

  SectionData section;
  NumberReader reader = channelReader(inputChannel);
  if (int diagnostic = readSectionData(reader, section)) raiseSevere(diagnostic, inputChannel);

  applyBarLayout(writer, section);
  writeTextRecord(writer, kStdoutChannel, "Data output in file SECTION");
  writeEcho(writer, section);
  const std::string fault = findSectionFault(section);
  if (!fault.empty()) endRunWithError(fault, kInvalidDataStatus);

  analyseSection(section, writer);
  endRunNormally();
}
