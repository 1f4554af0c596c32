// Free-format output records: items laid end to end, broken into lines of at
// most 80 characters, each line handed whole to a line sink.
#pragma once

#include <cstddef>
#include <string>

namespace mphi {

// Receives one finished line (without its line end) for a channel.
using LineSink = void (*)(void* context, int channel, const char* line, std::size_t length);

constexpr int kLineLimit = 80;

struct RecordWriter {
  LineSink sink = nullptr;
  void* context = nullptr;
  int channel = 0;
  char line[kLineLimit] = {};
  int length = 0;
  bool freshLine = true;
};

RecordWriter makeRecordWriter(LineSink sink, void* context);
// A writer that drops every line, for in-process callers that want only the
// computed values.
RecordWriter silentWriter();

void beginRecord(RecordWriter& writer, int channel);
void putText(RecordWriter& writer, const char* bytes, std::size_t count);
void putText(RecordWriter& writer, const std::string& text);
void putReal(RecordWriter& writer, float value);
void putDouble(RecordWriter& writer, double value);
void endRecord(RecordWriter& writer);

// A line already laid out by a record writer, handed on as it stands.
void writeLine(RecordWriter& writer, int channel, const std::string& line);

// A record of one text item, the commonest write statement.
void writeTextRecord(RecordWriter& writer, int channel, const std::string& text);

}  // namespace mphi
