// An independent, deliberately plain single-precision field for checking the
// program's: the exact decimal value by big-integer arithmetic, then
// rounding of its digit string, halfway cases away from zero.
#pragma once

#include <cstdint>
#include <string>

namespace mphi {

std::string referenceSingleField(std::uint32_t bits);
std::string referenceDoubleField(std::uint64_t bits);

}  // namespace mphi
