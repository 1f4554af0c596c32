// Reading back a SECTION file written by mphi: the echo of the section data,
// the results table and the initial-yield point, as a curve value; and the
// values a reader gets back from a file written of a section and curve.
#pragma once

#include <string>

#include "curve/curve.h"
#include "section/section_data.h"

namespace mphi {

struct SectionFile {
  SectionData section;  // the echo: every value but r, which SECTION does not hold
  Curve curve;  // its end as far as the table tells: table_full, no_equilibrium or not known
};

struct ParsedSection {
  bool ok = false;
  SectionFile file;
  int errorLine = 0;  // 1-based line of the first error
  std::string error;
};

// Never throws: a file that is not mphi's SECTION names its first bad line.
ParsedSection parseSectionFile(const std::string& text);

// The float a reader of SECTION gets back for `value`: the file keeps 7
// significant digits (8 in exponent form).
float printedValue(float value);

// The section and curve exactly as parseSectionFile gives them back from
// sectionText(section, curve), without the text; the curve keeps what the
// model knew of it (its end, events and constants), and the rows whose
// search gave up out of balance are no results.
SectionFile asWritten(const SectionData& section, const Curve& curve);

}  // namespace mphi
