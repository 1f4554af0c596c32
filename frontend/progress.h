// A progress line on standard error, updated in place, shown only when
// standard error is a terminal.
#pragma once

#include <cstddef>
#include <string>

namespace mphi {

struct Progress {
  bool shown = false;
  std::string what;  // "loads", "rows"
  std::size_t total = 0;
};

Progress startProgress(const std::string& what, std::size_t total);
void showProgress(const Progress& progress, std::size_t done);
// Clears the line.
void endProgress(const Progress& progress);

}  // namespace mphi
