// Every one of the 2^32 single-precision bit patterns through the program's
// field and the reference, on all processor cores. Not part of CI: run by
// `make exhaustive`.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/textio/field_patterns.h"

int main() {
  constexpr std::uint64_t kAll = std::uint64_t{1} << 32;
  constexpr std::uint64_t kBlock = std::uint64_t{1} << 20;
  std::atomic<std::uint64_t> nextBlock{0};
  std::atomic<std::uint64_t> mismatches{0};
  std::atomic<std::uint64_t> blocksDone{0};
  std::mutex printing;
  const auto start = std::chrono::steady_clock::now();
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());

  auto work = [&] {
    for (;;) {
      const std::uint64_t block = nextBlock.fetch_add(1);
      if (block * kBlock >= kAll) return;
      for (std::uint64_t b = block * kBlock; b < (block + 1) * kBlock; ++b) {
        const std::string line = mphi::fieldMismatch(static_cast<std::uint32_t>(b));
        if (line.empty()) continue;
        if (mismatches.fetch_add(1) < 50) {
          std::lock_guard<std::mutex> lock(printing);
          std::printf("%s\n", line.c_str());
        }
      }
      const std::uint64_t done = blocksDone.fetch_add(1) + 1;
      if (done % 256 == 0) {
        std::lock_guard<std::mutex> lock(printing);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::fprintf(stderr, "%llu/4096 blocks, %.0f s\n", static_cast<unsigned long long>(done),
                     seconds);
      }
    }
  };
  std::vector<std::thread> threads;
  for (unsigned i = 0; i < cores; ++i) threads.emplace_back(work);
  for (std::thread& t : threads) t.join();

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%llu of 4294967296 patterns differ from the reference; %u threads, %.0f s\n",
              static_cast<unsigned long long>(mismatches.load()), cores, seconds);
  return mismatches.load() == 0 ? 0 : 1;
}
