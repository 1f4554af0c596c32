// The statistics of test over predicted ratios that the validation prints.
#pragma once

#include <vector>

namespace mphi {

struct RatioStatistics {
  int count = 0;
  double mean = 0;
  double cov = 0;  // sample standard deviation over the mean
  double median = 0;
  double min = 0, max = 0;
  double logStd = 0;  // sample standard deviation of the logarithms; 0 unless all are positive
};

RatioStatistics statisticsOf(std::vector<double> values);

// Pearson's correlation of the logarithms of paired positive values.
double logCorrelation(const std::vector<double>& a, const std::vector<double>& b);

}  // namespace mphi
