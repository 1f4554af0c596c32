// One section at many axial loads: each load's curve exactly as mphi
// computes it for the same input with that P0.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/section_result.h"
#include "section/section_data.h"
#include "textio/text_table.h"

namespace mphi {

// `count` loads evenly from -0.8 As fy (tension) to 0.9 Po, both ends
// included: As = r b h (a circle: its bars), Po = 0.85 fc (Ag - As) + As
// fy, Ag = b h (a circle: pi D^2 / 4). Worked in double and rounded to the
// hundredth of the units' force, each stored in tons as a float, as an
// input value would be. count >= 2.
std::vector<float> defaultLoads(const SectionData& section, int count, const Units& units = {},
                                const Analysis& analysis = {});

struct LoadResult {
  float P0 = 0;
  SectionResult result;
};

// The loads on `jobs` threads; `done` as runInParallel's.
std::vector<LoadResult> sweepLoads(const SectionData& section, const std::vector<float>& loads,
                                   const Analysis& analysis, int jobs,
                                   const std::function<void(std::size_t)>& done);

// The loads' warnings, each once: one every load shares as it is, the
// others as "load 3 (P0 = 250 T): ...". The loads are the sweep's own, so
// a load near the squash load is no slip to warn of.
std::vector<Warning> sweepWarnings(const std::vector<LoadResult>& loads, const Units& units = {});

// "load", "P0_T", "status", then the model's result columns; one row per
// load.
TextTable sweepTable(const std::vector<LoadResult>& loads, Model model, const Units& units = {});
// The same as CSV.
std::string sweepCsv(const std::vector<LoadResult>& loads, Model model, const Units& units = {});

}  // namespace mphi
