#include "frontend/input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace mphi {

bool readWholeFile(const std::string& path, std::string& bytes, std::string& reason) {
  std::stringstream text;
  if (path == "-") {
    text << std::cin.rdbuf();
    bytes = text.str();
    return true;
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
  text << in.rdbuf();
  if (in.bad()) {
    reason = std::strerror(EIO);
    return false;
  }
  bytes = text.str();
  return true;
}

}  // namespace mphi
