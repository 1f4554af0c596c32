#include "sweep/load_sweep.h"

#include <cmath>
#include <cstdlib>

#include "frontend/parallel.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

// Nearer pure tension the specified model's curves have a handful of rows.
constexpr float kTensionShare = 0.8f;      // of the steel's tensile capacity As fy
constexpr float kCompressionShare = 0.9f;  // of the squash load Po
constexpr float kConcreteBlock = 0.85f;    // Po = 0.85 fc (b h - As) + As fy

std::string joined(const std::vector<std::string>& cells) {
  std::string line;
  for (const std::string& cell : cells) line += (line.empty() ? "" : ",") + cell;
  return line;
}

}  // namespace

std::vector<float> defaultLoads(const SectionData& s, int count) {
  const double gross = static_cast<double>(s.b) * s.h;
  const double As = static_cast<double>(s.r) * gross;
  const double Po = kConcreteBlock * static_cast<double>(s.fc) * (gross - As) + As * s.fy;
  const double low = -static_cast<double>(kTensionShare) * As * s.fy;
  const double high = kCompressionShare * Po;
  std::vector<float> loads;
  for (int i = 0; i < count; ++i) {
    // To the hundredth of a ton, so that each prints as the number it is.
    const double load = std::round((low + (high - low) * i / (count - 1)) * 100) / 100;
    loads.push_back(std::strtof(doubleText(load).c_str(), nullptr));
  }
  return loads;
}

std::vector<LoadResult> sweepLoads(const SectionData& section, const std::vector<float>& loads,
                                   const Analysis& analysis, int jobs,
                                   const std::function<void(std::size_t)>& done) {
  std::vector<LoadResult> results(loads.size());
  runInParallel(
      loads.size(), jobs,
      [&](std::size_t i) {
        SectionData s = section;
        s.P0 = loads[i];
        results[i] = {loads[i], analyse(s, analysis)};
      },
      done);
  return results;
}

std::string sweepCsv(const std::vector<LoadResult>& loads, Model model) {
  std::vector<std::string> header = {"load", "P0_T", "status"};
  header.insert(header.end(), resultHeader(model).begin(), resultHeader(model).end());
  std::string csv = joined(header) + "\n";
  for (std::size_t i = 0; i < loads.size(); ++i) {
    std::vector<std::string> cells = {std::to_string(i + 1), floatText(loads[i].P0),
                                      resultStatus(loads[i].result)};
    const std::vector<std::string> result = resultCells(loads[i].result, model);
    cells.insert(cells.end(), result.begin(), result.end());
    csv += joined(cells) + "\n";
  }
  return csv;
}

}  // namespace mphi
