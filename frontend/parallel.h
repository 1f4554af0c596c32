// Independent pieces of work on a few threads. Each piece writes only its
// own result slot, so the output does not depend on the number of threads.
#pragma once

#include <cstddef>
#include <functional>

namespace mphi {

// The machine's cores, at least 1.
int defaultJobs();

// Calls work(i) for every i below `count` on `jobs` threads; `done` (may be
// empty) hears how many pieces have finished, one call at a time.
void runInParallel(std::size_t count, int jobs, const std::function<void(std::size_t)>& work,
                   const std::function<void(std::size_t)>& done);

}  // namespace mphi
