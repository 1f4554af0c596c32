#include "frontend/progress.h"

#include <unistd.h>

#include <cstdio>

namespace mphi {

Progress startProgress(const std::string& what, std::size_t total) {
  return {::isatty(STDERR_FILENO) == 1, what, total};
}

void showProgress(const Progress& p, std::size_t done) {
  if (!p.shown) return;
  std::fprintf(stderr, "\r%s %zu/%zu", p.what.c_str(), done, p.total);
  std::fflush(stderr);
}

void endProgress(const Progress& p) {
  if (!p.shown) return;
  std::fprintf(stderr, "\r\033[K");
  std::fflush(stderr);
}

}  // namespace mphi
