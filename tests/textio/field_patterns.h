// Bit patterns of single-precision values where field layout goes wrong
// first, and the check of one pattern against the reference.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mphi {

// A fixed sample of `count` patterns: the neighbours of every power of ten
// and of every value that rounds up to one (the F/E boundaries and where
// the F form gains an integer digit), values with short exact expansions
// (the exact halfway cases among them), and seeded random patterns.
std::vector<std::uint32_t> fieldSamplePatterns(std::size_t count);

// Empty when the program's field of the pattern equals the reference's,
// else a line naming the pattern and both fields.
std::string fieldMismatch(std::uint32_t bits);

}  // namespace mphi
