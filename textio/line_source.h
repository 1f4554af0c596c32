// Input lines cut from a byte stream: LF ends a line, a CR before it is
// dropped, a line holding only Ctrl-Z ends the input, and bytes after the
// last LF are not a line.
#pragma once

#include <cstddef>
#include <string>

namespace mphi {

enum class LineStatus { Line, End, Failure };

// Bytes read into `buffer`, 0 at end of input, -1 on a device failure.
using ByteReader = long (*)(void* context, char* buffer, std::size_t capacity);

struct LineSource {
  ByteReader read = nullptr;
  void* context = nullptr;
  std::string pending;
  std::size_t start = 0;  // first byte of `pending` not yet handed out
  bool ended = false;
};

LineSource makeLineSource(ByteReader read, void* context);
LineStatus nextLine(LineSource& source, std::string& line);

// Serves the bytes of a string, for tests and in-process callers.
struct StringBytes {
  std::string bytes;
  std::size_t at = 0;
};
long readStringBytes(void* stringBytes, char* buffer, std::size_t capacity);

}  // namespace mphi
