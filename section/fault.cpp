#include "section/fault.h"

#include <cmath>
#include <cstdio>

namespace mphi {

std::string valueText(double v) {
  if (std::isnan(v)) return "NaN";
  if (std::isinf(v)) return v < 0 ? "-Infinity" : "Infinity";
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", v);
  return text;
}

Fault faultOf(const char* field, double value, const char* reason) {
  return {field, valueText(value), reason};
}

std::string faultText(const Fault& f) {
  if (f.value.empty()) return f.field + ": " + f.reason;  // a value missing
  return f.field + " = " + f.value + ": " + f.reason;
}

std::string invalidDataText(const Fault& fault) {
  return "invalid section data: " + faultText(fault);
}

}  // namespace mphi
