#include "validation/statistics.h"

#include <algorithm>
#include <cmath>

namespace mphi {

RatioStatistics statisticsOf(std::vector<double> v) {
  RatioStatistics s;
  s.count = static_cast<int>(v.size());
  if (v.empty()) return s;
  std::sort(v.begin(), v.end());
  double sum = 0;
  for (double x : v) sum += x;
  s.mean = sum / v.size();
  double squares = 0;
  for (double x : v) squares += (x - s.mean) * (x - s.mean);
  s.cov = v.size() > 1 ? std::sqrt(squares / (v.size() - 1)) / s.mean : 0;
  const std::size_t half = v.size() / 2;
  s.median = v.size() % 2 == 1 ? v[half] : (v[half - 1] + v[half]) / 2;
  s.min = v.front();
  s.max = v.back();
  if (s.min > 0 && v.size() > 1) {
    double logs = 0;
    for (double x : v) logs += std::log(x);
    const double mean = logs / v.size();
    double spread = 0;
    for (double x : v) spread += (std::log(x) - mean) * (std::log(x) - mean);
    s.logStd = std::sqrt(spread / (v.size() - 1));
  }
  return s;
}

double logCorrelation(const std::vector<double>& a, const std::vector<double>& b) {
  const std::size_t n = std::min(a.size(), b.size());
  if (n < 2) return 0;
  double ma = 0, mb = 0;
  for (std::size_t i = 0; i < n; ++i) ma += std::log(a[i]), mb += std::log(b[i]);
  ma /= n, mb /= n;
  double sab = 0, saa = 0, sbb = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double x = std::log(a[i]) - ma, y = std::log(b[i]) - mb;
    sab += x * y, saa += x * x, sbb += y * y;
  }
  return sab / std::sqrt(saa * sbb);
}

}  // namespace mphi
