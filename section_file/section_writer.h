// Writing SECTION: the echo of the section data, then the results table and
// the initial-yield point of a curve of the specified model, each line a
// record of the record writer.
#pragma once

#include <string>

#include "curve/curve.h"
#include "section/section_data.h"
#include "textio/record_writer.h"

namespace mphi {

void writeEcho(RecordWriter& writer, int channel, const SectionData& section);
// The table header, one row per table row (zeros where the curve has no
// point), the initial-yield label and values (zeros without first yield).
void writeResults(RecordWriter& writer, int channel, const Curve& curve);

// SECTION's bytes, CR LF line ends, exactly as mphi writes the file.
std::string sectionText(const SectionData& section, const Curve& curve);

}  // namespace mphi
