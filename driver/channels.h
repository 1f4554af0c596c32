// The run's numbered channels, the diagnostics that end a run, and the run
// end itself.
#pragma once

#include <cstddef>
#include <string>

#include "textio/number_reader.h"
#include "textio/record_writer.h"

namespace mphi {

constexpr int kStderrChannel = 0;
constexpr int kStdinChannel = 5;
constexpr int kStdoutChannel = 6;
constexpr int kSectionChannel = 17;

// Before anything else: guards the standard handles and takes over console
// interrupts.
void startRun();
// Creates or opens SECTION in the current directory on channel 17; a
// failure ends the run.
void openSection();

// Writes one line and its CR LF on a channel in a single write; a failure
// ends the run.
void writeChannelLine(int channel, const char* line, std::size_t length);
// A record writer whose lines go to the channels.
RecordWriter channelWriter();
// A number reader on an input channel.
NumberReader channelReader(int channel);

// Ends the run with a severe diagnostic on standard error and its status.
[[noreturn]] void raiseSevere(int number, int channel);
// Ends the run with a line of its own on standard error and `status`.
[[noreturn]] void endRunWithError(const std::string& line, int status);

// How a failed run ends. The program's own end writes the line on standard
// error, closes every channel and ends the process with the status. Tests
// and the fuzzers put theirs in place to keep their process alive; it must
// not return (it throws), or the program's own end follows.
using FailedRunEnd = void (*)(const std::string& line, int status);
// nullptr puts the program's own end back.
void setFailedRunEnd(FailedRunEnd end);
// Closes every channel and exits with status 0.
[[noreturn]] void endRunNormally();

// "mphi: severe (24): end-of-file during read, unit 5, file stdin", for the
// diagnostics a run can raise (no line end).
std::string diagnosticLine(int number, int channel, const std::string& fileName);

}  // namespace mphi
