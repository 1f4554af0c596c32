// printf-style text for reports and pictures, of any length.
#pragma once

#include <string>

namespace mphi {

// The text std::snprintf makes of `pattern` and its arguments.
std::string formatted(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

}  // namespace mphi
