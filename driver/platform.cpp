#include "driver/platform.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace mphi {
namespace {

// Diagnostic numbers of the failed open of SECTION.
constexpr int kAccessDenied = 9;
constexpr int kFileNotFound = 29;
constexpr int kOpenFailure = 30;
constexpr int kBadFileName = 43;

int openFailureDiagnostic(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return kAccessDenied;
    case ENOENT:
    case ENOTDIR:
      return kFileNotFound;
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP:
    case EILSEQ:
      return kBadFileName;
    default:
      return kOpenFailure;
  }
}

}  // namespace

OpenedFile platformOpenReadWrite(const char* name) {
  OpenedFile file;
  file.handle = ::open(name, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (file.handle >= 0) return file;
  const int error = errno;
  if (error == EACCES || error == EPERM || error == EROFS) {
    file.handle = ::open(name, O_RDONLY | O_CLOEXEC);
    if (file.handle >= 0) {
      file.readOnly = true;
      return file;
    }
  }
  file.diagnostic = openFailureDiagnostic(error);
  return file;
}

std::string platformFullPath(const char* name) {
  char cwd[4096];
  if (::getcwd(cwd, sizeof cwd) == nullptr) return name;
  std::string path = cwd;
  if (path.empty() || path.back() != '/') path += '/';
  return path + name;
}

bool platformWrite(int handle, const char* bytes, std::size_t count) {
  while (count > 0) {
    const ssize_t written = ::write(handle, bytes, count);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    count -= static_cast<std::size_t>(written);
  }
  return true;
}

long platformRead(int handle, char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t got = ::read(handle, buffer, capacity);
    if (got >= 0) return static_cast<long>(got);
    if (errno != EINTR) return -1;
  }
}

void platformTruncateHere(int handle) {
  const off_t here = ::lseek(handle, 0, SEEK_CUR);
  if (here >= 0 && ::ftruncate(handle, here) != 0) {
    // A file we could write but not cut keeps stale bytes behind this run's
    // records; nothing better can be done than to carry on.
  }
}

void platformClose(int handle) {
  if (handle >= 0) ::close(handle);
}

void platformGuardStandardHandles() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
      const int placeholder = ::open("/dev/null", O_RDONLY);
      if (placeholder >= 0 && placeholder != fd) {
        ::dup2(placeholder, fd);
        ::close(placeholder);
      }
    }
  }
}

namespace {

// Before any static initializer of the program, so that nothing it opens
// can take a closed standard handle: a closed input reads as empty however
// the program was started.
__attribute__((constructor(101))) void guardAtStart() {
  platformGuardStandardHandles();
}

}  // namespace

void platformInstallInterruptHandler(void (*handler)(int signal)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigfillset(&action.sa_mask);
  for (int signal : {SIGINT, SIGQUIT, SIGHUP, SIGTERM}) ::sigaction(signal, &action, nullptr);
  struct sigaction ignore = {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore, nullptr);
}

void platformExit(int status) {
  ::_exit(status);
}

}  // namespace mphi
