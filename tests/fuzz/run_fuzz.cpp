// The whole run in process on arbitrary input: reader, layout, data check,
// analysis, records into memory. It ends normally with the report in
// SECTION, or by a diagnostic of the reader or the data check. A finished
// run's results are finite numbers, and its work is bounded: every step
// is a row of a table of at most 500 (abandoned steps too), and each
// step's search stops at its trial limit, so no input makes a run crawl,
// however loaded the machine.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/in_process_run.h"

namespace {

constexpr long kMostRows = 500;

bool expectedStatus(int status) {
  return status == 24 || status == 59 || status == 64 || status == 65;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const mphi::InProcessRun run =
      mphi::runInProcess(std::string(reinterpret_cast<const char*>(data), size));
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
  const std::size_t yield = run.section.find("Initial yield", table);
  const long rows = std::count(run.section.begin() + table, run.section.begin() + yield, '\n') - 1;
  if (rows > kMostRows) {
    std::fprintf(stderr, "a run of %ld steps\n", rows);
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
