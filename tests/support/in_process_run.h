// A whole run inside the calling process: the input from a string, every
// channel's lines into memory, and a failed run caught instead of ending
// the process.
#pragma once

#include <string>

namespace mphi {

struct InProcessRun {
  std::string console;  // channel 6, lines with CR LF
  std::string errors;   // channel 0
  std::string section;  // channel 17
  bool failed = false;
  std::string failureLine;  // the line a failed run ends with
  int status = 0;
};

InProcessRun runInProcess(const std::string& input);

}  // namespace mphi
