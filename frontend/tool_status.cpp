#include "frontend/tool_status.h"

#include <iostream>

namespace mphi {

int failWith(const std::string& tool, const std::string& message, int status) {
  std::cerr << tool << ": " << message << "\n";
  return status;
}

}  // namespace mphi
