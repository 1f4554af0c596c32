#include "driver/channels.h"

#include <csignal>
#include <cstdint>

#include "driver/platform.h"

namespace mphi {
namespace {

struct Channel {
  int number;
  volatile std::sig_atomic_t handle;  // the interrupt handler closes it
  std::string name;
  bool readOnly;
  bool cutAfterNextWrite;
};

Channel channels[] = {
    {kStderrChannel, 2, "stderr", false, false},
    {kStdinChannel, 0, "stdin", false, false},
    {kStdoutChannel, 1, "stdout", false, false},
    {kSectionChannel, kNoHandle, "SECTION", false, false},
};

constexpr int kStderrHandle = 2;

constexpr int kWriteToReadOnly = 47;
constexpr int kErrorDuringWrite = 38;

Channel& channel(int number) {
  for (Channel& c : channels) {
    if (c.number == number) return c;
  }
  return channels[0];
}

// The severe diagnostics; each text is followed by the channel number and
// the channel's file name.
struct Diagnostic {
  int number;
  const char* text;
};

constexpr Diagnostic kCatalogue[] = {
    {24, "end-of-file during read"},
    {59, "list-directed I/O syntax error"},
    {64, "input conversion error"},
    {39, "error during read"},
    {38, "error during write"},
    {47, "write to READONLY file"},
    {30, "open failure"},
    {9, "permission to access file denied"},
    {29, "file not found"},
    {43, "file name specification error"},
};

FailedRunEnd failedRunEnd = nullptr;

void closeAllChannels() {
  for (Channel& c : channels) {
    platformClose(c.handle);
    c.handle = kNoHandle;
  }
}

// Console interrupts. Only async-signal-safe calls: the message is built
// from constant pieces into a local buffer and written in one call.
void onInterrupt(int signal) {
  const char* event = "unknown";
  if (signal == SIGINT) event = "control-C";
  if (signal == SIGQUIT) event = "control-BREAK";
  if (signal == SIGHUP) event = "menu-CLOSE";
  char message[96];
  int n = 0;
  for (const char* piece : {"mphi: error (200): program aborting due to ", event, " event\r\n"}) {
    for (const char* p = piece; *p != '\0'; ++p) message[n++] = *p;
  }
  platformWrite(kStderrHandle, message, static_cast<std::size_t>(n));
  closeAllChannels();
  // 128 + signal, as a shell reports a run ended by a signal.
  platformExit(128 + signal);
}

void writeSinkLine(void*, int channelNumber, const char* line, std::size_t length) {
  writeChannelLine(channelNumber, line, length);
}

long readChannelBytes(void* context, char* buffer, std::size_t capacity) {
  return platformRead(static_cast<Channel*>(context)->handle, buffer, capacity);
}

}  // namespace

std::string diagnosticLine(int number, int channelNumber, const std::string& fileName) {
  const char* text = "unknown error";
  for (const Diagnostic& d : kCatalogue) {
    if (d.number == number) text = d.text;
  }
  return "mphi: severe (" + std::to_string(number) + "): " + text + ", unit " +
         std::to_string(channelNumber) + ", file " + fileName;
}

void startRun() {
  platformGuardStandardHandles();
  platformInstallInterruptHandler(onInterrupt);
}

void openSection() {
  static const char kName[] = "SECTION";
  Channel& section = channel(kSectionChannel);
  section.name = platformFullPath(kName);
  const OpenedFile file = platformOpenReadWrite(kName);
  if (file.diagnostic != 0) raiseSevere(file.diagnostic, kSectionChannel);
  section.handle = file.handle;
  section.readOnly = file.readOnly;
  section.cutAfterNextWrite = true;  // this run's records replace the old file
}

void writeChannelLine(int channelNumber, const char* line, std::size_t length) {
  Channel& c = channel(channelNumber);
  if (c.readOnly) raiseSevere(kWriteToReadOnly, channelNumber);
  std::string bytes(line, length);
  bytes += "\r\n";
  if (!platformWrite(c.handle, bytes.data(), bytes.size())) {
    raiseSevere(kErrorDuringWrite, channelNumber);
  }
  if (c.cutAfterNextWrite) {
    platformTruncateHere(c.handle);
    c.cutAfterNextWrite = false;
  }
}

RecordWriter channelWriter() {
  return makeRecordWriter(writeSinkLine, nullptr);
}

NumberReader channelReader(int channelNumber) {
  return NumberReader{makeLineSource(readChannelBytes, &channel(channelNumber))};
}

void raiseSevere(int number, int channelNumber) {
  // The status code is 0xC0000000 | number; a POSIX exit status keeps its
  // low 8 bits, which is the number itself.
  const std::uint32_t status = 0xC0000000u | static_cast<std::uint32_t>(number);
  endRunWithError(diagnosticLine(number, channelNumber, channel(channelNumber).name),
                  static_cast<int>(status & 0xFFu));
}

void setFailedRunEnd(FailedRunEnd end) {
  failedRunEnd = end;
}

void endRunWithError(const std::string& line, int status) {
  if (failedRunEnd != nullptr) failedRunEnd(line, status);
  const std::string bytes = line + "\r\n";
  platformWrite(kStderrHandle, bytes.data(), bytes.size());
  closeAllChannels();
  platformExit(status);
}

void endRunNormally() {
  closeAllChannels();
  platformExit(0);
}

}  // namespace mphi
