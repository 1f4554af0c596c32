// Output files of the tools: written whole under a temporary name beside
// the target, then renamed over it, so that a failure never leaves a
// half-written file.
#pragma once

#include <cstddef>
#include <string>

namespace mphi {

// Empty on success, else the system's reason ("No such file or directory").
std::string writeFileAtomically(const std::string& path, const std::string& bytes);
// "load-07": the folder of load `index` (from 1) of `count`, its number
// zero-padded to the width of the count.
std::string loadFolder(std::size_t index, std::size_t count);

// Creates a directory and its parents; empty or the system's reason.
std::string makeDirectories(const std::string& path);

}  // namespace mphi
