// The whole run in process on arbitrary input: reader, layout, data check,
// analysis, records into memory. It ends normally with the report in
// SECTION, or by a diagnostic of the reader or the data check, and always
// within half a second. A finished run's results are finite numbers.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/driver/in_process_run.h"

namespace {

constexpr double kSecondsPerRun = 0.5;

bool expectedStatus(int status) {
  return status == 24 || status == 59 || status == 64 || status == 65;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto start = std::chrono::steady_clock::now();
  const mphi::InProcessRun run =
      mphi::runInProcess(std::string(reinterpret_cast<const char*>(data), size));
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (seconds > kSecondsPerRun) {
    std::fprintf(stderr, "run took %.3f s\n", seconds);
    std::abort();
  }
  if (run.failed) {
    if (!expectedStatus(run.status)) {
      std::fprintf(stderr, "unexpected end: %s (%d)\n", run.failureLine.c_str(), run.status);
      std::abort();
    }
    return 0;
  }
  // A finished run ends SECTION with the initial-yield record, and its table
  // and yield point hold finite numbers only.
  const std::size_t table = run.section.find("k(J)");
  if (table == std::string::npos || run.section.find("Initial yield", table) == std::string::npos) {
    std::fprintf(stderr, "finished run without its report\n");
    std::abort();
  }
  for (const char* word : {"NaN", "Infinity"}) {
    if (run.section.find(word, table) != std::string::npos) {
      std::fprintf(stderr, "finished run wrote %s in its results\n", word);
      std::abort();
    }
  }
  return 0;
}
