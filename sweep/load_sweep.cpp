#include "sweep/load_sweep.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "frontend/parallel.h"
#include "textio/number_text.h"

namespace mphi {
namespace {

// Nearer pure tension the specified model's curves have a handful of rows.
constexpr float kTensionShare = 0.8f;      // of the steel's tensile capacity As fy
constexpr float kCompressionShare = 0.9f;  // of the squash load Po
constexpr float kConcreteBlock = 0.85f;    // Po = 0.85 fc (b h - As) + As fy

}  // namespace

std::vector<float> defaultLoads(const SectionData& s, int count, const Units& units,
                                const Analysis& analysis) {
  const bool circle = analysis.shape == SectionShape::Circular;
  const double gross = circle ? kPi * s.h * s.h / 4 : static_cast<double>(s.b) * s.h;
  const double As = circle ? analysis.circleBars * kPiAreas * s.dcm * s.dcm / 4
                           : static_cast<double>(s.r) * gross;
  const double Po = kConcreteBlock * static_cast<double>(s.fc) * (gross - As) + As * s.fy;
  const double low = -static_cast<double>(kTensionShare) * As * s.fy;
  const double high = kCompressionShare * Po;
  std::vector<float> loads;
  for (int i = 0; i < count; ++i) {
    // To the hundredth of a ton (or kN), so that each prints as the number
    // it is.
    const double load = units.in(Quantity::Force, low + (high - low) * i / (count - 1));
    const double rounded = std::round(load * 100) / 100;
    loads.push_back(units.base() ? std::strtof(doubleText(rounded).c_str(), nullptr)
                                 : loadOf(rounded, units));
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

TextTable sweepTable(const std::vector<LoadResult>& loads, Model model, const Units& units) {
  TextTable table;
  table.header = {"load", "P0_" + units.key(Quantity::Force), "status"};
  const std::vector<std::string> columns = resultHeader(model, units);
  table.header.insert(table.header.end(), columns.begin(), columns.end());
  for (std::size_t i = 0; i < loads.size(); ++i) {
    std::vector<std::string> cells = {std::to_string(i + 1), loadText(loads[i].P0, units),
                                      resultStatus(loads[i].result, units)};
    const std::vector<std::string> result = resultCells(loads[i].result, model, units);
    cells.insert(cells.end(), result.begin(), result.end());
    table.rows.push_back(std::move(cells));
  }
  return table;
}

std::string sweepCsv(const std::vector<LoadResult>& loads, Model model, const Units& units) {
  return csvOf(sweepTable(loads, model, units));
}

std::vector<Warning> sweepWarnings(const std::vector<LoadResult>& loads, const Units& units) {
  std::vector<Warning> out;
  auto everywhere = [&loads](const Warning& w) {
    return std::all_of(loads.begin(), loads.end(), [&w](const LoadResult& l) {
      return std::any_of(l.result.warnings.begin(), l.result.warnings.end(),
                         [&w](const Warning& o) { return o.text == w.text; });
    });
  };
  for (const Warning& w : loads.empty() ? std::vector<Warning>{} : loads.front().result.warnings) {
    if (w.field != "P0" && everywhere(w)) out.push_back(w);
  }
  for (std::size_t i = 0; i < loads.size(); ++i) {
    for (const Warning& w : loads[i].result.warnings) {
      if (w.field == "P0" || everywhere(w)) continue;
      out.push_back({w.field, "load " + std::to_string(i + 1) +
                                  " (P0 = " + loadText(loads[i].P0, units) + " " +
                                  units.text(Quantity::Force) + "): " + w.text});
    }
  }
  return out;
}

}  // namespace mphi
