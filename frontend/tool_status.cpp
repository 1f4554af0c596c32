#include "frontend/tool_status.h"

#include <iostream>

#include "section/section_values.h"

namespace mphi {

std::string invalidDataText(const Fault& fault, const SectionData& section) {
  const std::optional<Fault> slip = unitSlip(section);
  return invalidDataText(fault) + (slip ? "; " + slip->reason : "");
}

void warnAll(const std::string& tool, const std::vector<Warning>& warnings) {
  for (const Warning& w : warnings) std::cerr << tool << ": warning: " << w.text << "\n";
}

int failWith(const std::string& tool, const std::string& message, int status) {
  std::cerr << tool << ": " << message << "\n";
  return status;
}

}  // namespace mphi
