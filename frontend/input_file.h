// Reading a tool's input file whole.
#pragma once

#include <string>

namespace mphi {

// The bytes of `path` ("-" for standard input) into `bytes`; false with
// the system's reason ("No such file or directory", "Is a directory").
bool readWholeFile(const std::string& path, std::string& bytes, std::string& reason);

}  // namespace mphi
