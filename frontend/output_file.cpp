#include "frontend/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <vector>

#include "frontend/tool_status.h"

namespace mphi {

std::string writeFileAtomically(const std::string& path, const std::string& bytes) {
  std::vector<char> temp(path.begin(), path.end());
  for (char c : std::string(".tmp-XXXXXX")) temp.push_back(c);
  temp.push_back('\0');
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return std::strerror(errno);
  // mkstemp creates 0600; an output file is as readable as any other.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  const char* at = bytes.data();
  std::size_t left = bytes.size();
  int error = 0;
  while (left > 0 && error == 0) {
    const ssize_t n = ::write(fd, at, left);
    if (n < 0) {
      if (errno != EINTR) error = errno;
      continue;
    }
    at += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.data(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.data());
    return std::strerror(error);
  }
  return {};
}

std::string loadFolder(std::size_t index, std::size_t count) {
  const std::string digits = std::to_string(index);
  const std::size_t width = std::to_string(count).size();
  return "load-" + std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

namespace {

void failed(Outputs& out, const std::string& message) {
  std::cerr << out.tool << ": " << message << "\n";
  out.status = kExitWriteFailed;
}

}  // namespace

bool writeOutput(Outputs& out, const std::string& path, const std::string& bytes) {
  const std::string reason = writeFileAtomically(path, bytes);
  if (!reason.empty()) failed(out, "cannot write " + path + ": " + reason);
  return reason.empty();
}

bool writeInFolder(Outputs& out, const std::string& folder, const std::string& name,
                   const std::string& bytes) {
  const std::string reason = makeDirectories(folder);
  if (!reason.empty()) {
    failed(out, "cannot make " + folder + ": " + reason);
    return false;
  }
  return writeOutput(out, folder + "/" + name, bytes);
}

void printOutput(Outputs& out, const std::string& what, const std::string& text) {
  std::cout << text << std::flush;
  if (!std::cout) failed(out, "cannot write " + what);
}

std::string makeDirectories(const std::string& path) {
  std::string partial;
  for (std::size_t i = 0; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '/') continue;
    partial = path.substr(0, i);
    if (partial.empty()) continue;
    if (::mkdir(partial.c_str(), 0777) != 0 && errno != EEXIST) return std::strerror(errno);
  }
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
  if (!S_ISDIR(info.st_mode)) return std::strerror(ENOTDIR);
  return {};
}

}  // namespace mphi
