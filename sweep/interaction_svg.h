// The sweep's pictures: the P-M interaction diagram as a designer reads it
// (load up, moment across: Mu and the model's own capacities beside it;
// closed to the hand values of pure compression and pure tension, the
// balanced point marked, design points laid over it), and the M-phi curves
// of every load.
#pragma once

#include <string>
#include <vector>

#include "section/units.h"
#include "sweep/load_sweep.h"

namespace mphi {

// A design action to lay over the diagram: axial load (T, compression
// positive) and moment (T.cm).
struct DesignPoint {
  double P = 0;
  double M = 0;
};

std::string interactionSvg(const SectionData& section, const std::vector<LoadResult>& loads,
                           const Units& units = {}, const std::vector<DesignPoint>& design = {});
std::string curvesSvg(const SectionData& section, const std::vector<LoadResult>& loads,
                      const Units& units = {});

// Mu against the load, straight between the loads with a curve: false
// where `P` lies outside them.
bool momentCapacityAt(const std::vector<LoadResult>& loads, double P, double& Mu);

}  // namespace mphi
