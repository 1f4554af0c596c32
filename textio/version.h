// The version of mphi and its tools, in one place: mphi's banner and every
// tool's --version print it.
#pragma once

namespace mphi {

constexpr char kVersion[] = "1.1.0";

}  // namespace mphi
