// The section's values described once. The reader's 22 targets, SECTION's
// echo, the data check's bounds, mphi-batch's columns, the page's form and
// the Python module all come from this table.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "section/fault.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

constexpr int kInputValues = 22;  // one input statement

// A bound the data check holds a value to. Each comes with the reason the
// user reads when the value breaks it.
enum class Limit { None, Positive, NotNegative, AtLeast, AtMost };

struct Requirement {
  Limit limit = Limit::None;
  double bound = 0;  // for AtLeast and AtMost
  const char* reason = nullptr;
};

struct SectionValue {
  const char* name;  // as SECTION, the tools and the page name it
  float SectionData::*member;
  const char* unit;      // "cm", "T/cm2", "T", or "" for a ratio or a count
  const char* meaning;   // a few words for a form or a docstring
  int positions[2];      // input positions (1 to 22); the later one is kept; 0 for none
  bool given;            // given by the user; the others the bar layout derives
  const char* example;   // the worked example's value, for the page's form
  const char* echoName;  // in SECTION's echo headers ("N" for P0); nullptr: not echoed
  Requirement lower, upper;
  // A requirement that involves other values: the reason, or nullptr.
  const char* (*related)(const SectionData& section);
};

// In the order of SectionData's fields, which is the echo's order.
const std::vector<SectionValue>& sectionValues();
// The given values in that order: b, h, dcm, clearb1cm, ..., P0, r.
std::vector<const SectionValue*> givenValues();
// nullptr when no value has that name.
const SectionValue* findSectionValue(const std::string& name);

// A given value far beyond anything real in its unit, as when fc is typed
// in MPa: the value with its unit and a hint such as "fc is in T/cm2
// (0.28, not 28)"; for a value typed in a unit of its own (`given`), named
// as typed and bounded in that unit. None when every value is plausible;
// the data check decides the rest.
std::optional<Fault> unitSlip(const SectionData& section, const GivenUnits& given = {});

}  // namespace mphi
