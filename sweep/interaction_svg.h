// The sweep's pictures: the P-M interaction diagram (load up, moment
// across) with Mu, Mn, Mp and My, and the M-phi curves of every load.
#pragma once

#include <string>
#include <vector>

#include "sweep/load_sweep.h"

namespace mphi {

std::string interactionSvg(const SectionData& section, const std::vector<LoadResult>& loads);
std::string curvesSvg(const SectionData& section, const std::vector<LoadResult>& loads);

}  // namespace mphi
