// Random but sensible section data, the same sequence on every machine.
#pragma once

#include <cstdint>

#include "section/section_data.h"

namespace mphi {

// A fixed sequence of uniform numbers, the same on every machine.
struct Uniform {
  std::uint64_t state;
  double operator()(double low, double high) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return low + (high - low) * static_cast<double>(state >> 11) / 9007199254740992.0;
  }
};

// Before the layout: b, h and r decide it.
SectionData randomSection(Uniform& u);

}  // namespace mphi
