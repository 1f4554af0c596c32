// mphi: moment-curvature curve of a rectangular RC column section under a
// constant axial load. One run: SECTION, banner, example, 22 values, layout,
// echo, check, analysis, end.
#include "driver/channels.h"
#include "driver/section_run.h"

int main() {
  using namespace mphi;
  startRun();
  openSection();
  RecordWriter writer = channelWriter();
  NumberReader reader = channelReader(kStdinChannel);
  runSection(reader, writer);
  endRunNormally();
}
