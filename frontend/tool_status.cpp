#include "frontend/tool_status.h"

#include <cmath>
#include <iostream>

#include "section/section_values.h"

namespace mphi {

namespace {

// A given value's fault with its unit, named as it was typed.
Fault inGivenUnit(const Fault& fault, const SectionData& s, const GivenUnits& given) {
  const SectionValue* v = findSectionValue(fault.field);
  if (v == nullptr || !v->given || *v->unit == '\0') return fault;
  const double value = s.*v->member;
  if (!std::isfinite(value)) return fault;
  const GivenUnit g = givenUnit(given, fault.field, v->unit);
  // In a unit of its own, the value in mphi's too, as the checks bound it.
  const std::string own = g.factor == 1 ? "" : " (" + valueText(value) + " " + v->unit + ")";
  return {g.name, valueText(value / g.factor) + " " + g.unit + own, fault.reason};
}

}  // namespace

std::string invalidDataText(const Fault& fault, const SectionData& section,
                            const GivenUnits& given) {
  const std::optional<Fault> slip = unitSlip(section, given);
  const Fault shown = inGivenUnit(fault, section, given);
  if (!slip) return invalidDataText(shown);
  if (findSectionValue(fault.field) == nullptr) {  // a derived constant
    return invalidDataText(*slip) + "; that makes " + faultText(shown);
  }
  const bool same = slip->field == shown.field;
  return invalidDataText(shown) + "; " + (same ? "" : slip->field + " = " + slip->value + ": ") +
         slip->reason;
}

void warnAll(const std::string& tool, const std::vector<Warning>& warnings) {
  for (const Warning& w : warnings) std::cerr << tool << ": warning: " << w.text << "\n";
}

int failWith(const std::string& tool, const std::string& message, int status) {
  std::cerr << tool << ": " << message << "\n";
  return status;
}

}  // namespace mphi
