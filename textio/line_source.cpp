#include "textio/line_source.h"

#include <algorithm>
#include <cstring>

namespace mphi {
namespace {
constexpr char kCtrlZ = 26;
constexpr std::size_t kChunk = 4096;
}  // namespace

LineSource makeLineSource(ByteReader read, void* context) {
  LineSource source;
  source.read = read;
  source.context = context;
  return source;
}

LineStatus nextLine(LineSource& s, std::string& line) {
  for (;;) {
    const std::size_t lf = s.pending.find('\n', s.start);
    if (lf != std::string::npos) {
      std::size_t end = lf;
      if (end > s.start && s.pending[end - 1] == '\r') --end;
      line.assign(s.pending, s.start, end - s.start);
      s.start = lf + 1;
      if (line.size() == 1 && line[0] == kCtrlZ) {
        s.pending.clear();
        s.start = 0;
        s.ended = true;
        return LineStatus::End;
      }
      return LineStatus::Line;
    }
    if (s.ended) return LineStatus::End;
    s.pending.erase(0, s.start);
    s.start = 0;
    char chunk[kChunk];
    const long got = s.read(s.context, chunk, sizeof chunk);
    if (got < 0) return LineStatus::Failure;
    if (got == 0) {
      s.ended = true;
      return LineStatus::End;
    }
    s.pending.append(chunk, static_cast<std::size_t>(got));
  }
}

long readStringBytes(void* context, char* buffer, std::size_t capacity) {
  auto& in = *static_cast<StringBytes*>(context);
  const std::size_t n = std::min(capacity, in.bytes.size() - in.at);
  std::memcpy(buffer, in.bytes.data() + in.at, n);
  in.at += n;
  return static_cast<long>(n);
}

}  // namespace mphi
