#include "section/value_check.h"

#include <cmath>

#include "section/section_values.h"

namespace mphi {
namespace {

bool breaks(const Requirement& r, double v) {
  switch (r.limit) {
    case Limit::Positive:
      return v <= 0;
    case Limit::NotNegative:
      return v < 0;
    case Limit::AtLeast:
      return v < r.bound;
    case Limit::AtMost:
      return v > r.bound;
    case Limit::None:
      break;
  }
  return false;
}

}  // namespace

std::optional<Fault> checkValues(const SectionData& s) {
  const std::vector<const SectionValue*> given = givenValues();
  for (const SectionValue* v : given) {
    if (!std::isfinite(s.*v->member))
      return faultOf(v->name, s.*v->member, "value must be a finite number");
  }
  for (const SectionValue* v : given) {
    const double value = s.*v->member;
    for (const Requirement* r : {&v->lower, &v->upper}) {
      if (breaks(*r, value)) return faultOf(v->name, value, r->reason);
    }
    if (v->related == nullptr) continue;
    if (const char* reason = v->related(s)) return faultOf(v->name, value, reason);
  }
  for (const SectionValue& v : sectionValues()) {
    if (!std::isfinite(s.*v.member)) {
      return faultOf(v.name, s.*v.member, "the bar layout is undefined for this section size");
    }
  }
  return std::nullopt;
}

}  // namespace mphi
