#include "tests/support/in_process_run.h"

#include "driver/channels.h"
#include "driver/section_run.h"
#include "textio/line_source.h"

namespace mphi {
namespace {

struct RunEnded {
  std::string line;
  int status;
};

[[noreturn]] void throwRunEnded(const std::string& line, int status) {
  throw RunEnded{line, status};
}

void collectLine(void* context, int channel, const char* line, std::size_t length) {
  InProcessRun& run = *static_cast<InProcessRun*>(context);
  std::string& to = channel == kSectionChannel  ? run.section
                    : channel == kStdoutChannel ? run.console
                                                : run.errors;
  to.append(line, length);
  to += "\r\n";
}

}  // namespace

InProcessRun runInProcess(const std::string& input) {
  InProcessRun run;
  StringBytes bytes{input, 0};
  NumberReader reader{makeLineSource(readStringBytes, &bytes)};
  RecordWriter writer = makeRecordWriter(collectLine, &run);
  setFailedRunEnd(throwRunEnded);
  try {
    runSection(reader, writer);
  } catch (const RunEnded& end) {
    run.failed = true;
    run.failureLine = end.line;
    run.status = end.status;
  }
  setFailedRunEnd(nullptr);
  return run;
}

}  // namespace mphi
