// Output files of the tools: written whole under a temporary name beside
// the target, then renamed over it, so that a failure never leaves a
// half-written file.
#pragma once

#include <string>

namespace mphi {

// Empty on success, else the system's reason ("No such file or directory").
std::string writeFileAtomically(const std::string& path, const std::string& bytes);
// Creates a directory and its parents; empty or the system's reason.
std::string makeDirectories(const std::string& path);

}  // namespace mphi
