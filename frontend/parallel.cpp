#include "frontend/parallel.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace mphi {

int defaultJobs() {
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void runInParallel(std::size_t count, int jobs, const std::function<void(std::size_t)>& work,
                   const std::function<void(std::size_t)>& done) {
  std::atomic<std::size_t> next{0};
  std::size_t finished = 0;
  std::mutex doneLock;
  auto worker = [&] {
    for (std::size_t i = next++; i < count; i = next++) {
      work(i);
      const std::lock_guard<std::mutex> hold(doneLock);
      ++finished;
      if (done) done(finished);
    }
  };
  const std::size_t threads =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(jobs, 1)), count);
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
}

}  // namespace mphi
