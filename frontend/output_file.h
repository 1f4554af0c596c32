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

// A tool's outputs: a write that fails is named on standard error ("TOOL:
// cannot write PATH: reason") and turns the status to 1.
struct Outputs {
  std::string tool;
  int status = 0;  // 0, or kExitWriteFailed once a write failed
};

bool writeOutput(Outputs& out, const std::string& path, const std::string& bytes);
// `folder`/`name`, the folder and its parents made first.
bool writeInFolder(Outputs& out, const std::string& folder, const std::string& name,
                   const std::string& bytes);
// `text` on standard output; `what` names it should that fail.
void printOutput(Outputs& out, const std::string& what, const std::string& text);

}  // namespace mphi
