#include "textio/record_writer.h"

#include <cstring>

#include "textio/real_field.h"

namespace mphi {
namespace {

void emitLine(RecordWriter& w) {
  w.sink(w.context, w.channel, w.line, static_cast<std::size_t>(w.length));
  w.length = 0;
  w.freshLine = true;
}

void append(RecordWriter& w, const char* bytes, std::size_t count) {
  std::memcpy(w.line + w.length, bytes, count);
  w.length += static_cast<int>(count);
}

// Every line that a text starts or continues opens with one blank.
void openTextLine(RecordWriter& w) {
  if (w.freshLine) {
    append(w, " ", 1);
    w.freshLine = false;
  }
}

void dropLine(void*, int, const char*, std::size_t) {}

void putField(RecordWriter& w, const std::string& field) {
  if (kLineLimit - w.length < static_cast<int>(field.size())) emitLine(w);
  append(w, field.data(), field.size());
  w.freshLine = false;
}

}  // namespace

RecordWriter makeRecordWriter(LineSink sink, void* context) {
  RecordWriter w;
  w.sink = sink;
  w.context = context;
  return w;
}

RecordWriter silentWriter() {
  return makeRecordWriter(dropLine, nullptr);
}

void beginRecord(RecordWriter& w, int channel) {
  w.channel = channel;
  w.length = 0;
  w.freshLine = true;
}

void putText(RecordWriter& w, const char* bytes, std::size_t count) {
  // A text that does not fit the rest of a started line moves whole to a new
  // line; one longer than a line is cut into pieces that fill whole lines.
  if (count > static_cast<std::size_t>(kLineLimit - w.length) && w.length > 0) emitLine(w);
  while (count > static_cast<std::size_t>(kLineLimit - w.length - (w.freshLine ? 1 : 0))) {
    openTextLine(w);
    const std::size_t piece = static_cast<std::size_t>(kLineLimit - w.length);
    append(w, bytes, piece);
    bytes += piece;
    count -= piece;
    emitLine(w);
  }
  openTextLine(w);
  append(w, bytes, count);
}

void putText(RecordWriter& w, const std::string& text) {
  putText(w, text.data(), text.size());
}

void putReal(RecordWriter& w, float value) {
  putField(w, singleField(value));
}

void putDouble(RecordWriter& w, double value) {
  putField(w, doubleField(value));
}

void endRecord(RecordWriter& w) {
  emitLine(w);
}

void writeLine(RecordWriter& w, int channel, const std::string& line) {
  w.sink(w.context, channel, line.data(), line.size());
}

void writeTextRecord(RecordWriter& w, int channel, const std::string& text) {
  beginRecord(w, channel);
  putText(w, text);
  endRecord(w);
}

}  // namespace mphi
