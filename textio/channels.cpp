#include "textio/channels.h"

#include <csignal>
#include <cstdint>

#include "textio/platform.h"

namespace mphi {
namespace {

struct Channel {
  int number;
  int handle;
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

// The interrupt handler closes these without touching the table above.
volatile std::sig_atomic_t handlesToClose[] = {2, 0, 1, kNoHandle};
constexpr int kChannelCount = 4;
constexpr int kStderrHandle = 2;

constexpr int kWriteToReadOnly = 47;
constexpr int kErrorDuringWrite = 38;

Channel& channel(int number) {
  for (Channel& c : channels) {
    if (c.number == number) return c;
  }
  return channels[0];
}

struct Diagnostic {
  int number;
  const char* severity;
  const char* text;  // filled with the channel number and file name
};

constexpr Diagnostic kCatalogue[] = {
    {24, "severe", "end-of-file during read"},
    {59, "severe", "list-directed I/O syntax error"},
    {64, "severe", "input conversion error"},
    {39, "severe", "error during read"},
    {38, "severe", "error during write"},
    {47, "severe", "write to READONLY file"},
    {30, "severe", "open failure"},
    {9, "severe", "permission to access file denied"},
    {29, "severe", "file not found"},
    {43, "severe", "file name specification error"},
};

void closeAllChannels() {
  for (int i = 0; i < kChannelCount; ++i) {
    platformClose(handlesToClose[i]);
    handlesToClose[i] = kNoHandle;
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
  for (const Diagnostic& d : kCatalogue) {
    if (d.number == number) {
      return std::string("mphi: ") + d.severity + " (" + std::to_string(number) + "): " + d.text +
             ", unit " + std::to_string(channelNumber) + ", file " + fileName;
    }
  }
  return "mphi: severe (" + std::to_string(number) + "): unknown error, unit " +
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
  handlesToClose[kChannelCount - 1] = file.handle;
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
  const std::string line =
      diagnosticLine(number, channelNumber, channel(channelNumber).name) + "\r\n";
  platformWrite(kStderrHandle, line.data(), line.size());
  closeAllChannels();
  // The status code is 0xC0000000 | number; a POSIX exit status keeps its
  // low 8 bits, which is the number itself.
  const std::uint32_t status = 0xC0000000u | static_cast<std::uint32_t>(number);
  platformExit(static_cast<int>(status & 0xFFu));
}

void endRunWithError(const std::string& line, int status) {
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
