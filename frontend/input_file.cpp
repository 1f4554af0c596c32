#include "frontend/input_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace mphi {

bool readWholeFile(const std::string& path, std::string& bytes, std::string& reason) {
  if (path == "-") {
    // Read as mphi reads it, so that a directory or a broken stream is a
    // failure and not an empty input.
    char chunk[65536];
    for (;;) {
      const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
      if (got == 0) return true;
      if (got < 0) {
        if (errno == EINTR) continue;
        reason = std::strerror(errno);
        return false;
      }
      bytes.append(chunk, static_cast<std::size_t>(got));
    }
  }
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    reason = std::strerror(EISDIR);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    reason = std::strerror(errno);
    return false;
  }
  std::stringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    reason = std::strerror(EIO);
    return false;
  }
  bytes = text.str();
  return true;
}

}  // namespace mphi
