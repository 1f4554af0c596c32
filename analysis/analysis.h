// The moment-curvature analysis of one section.
#pragma once

#include "driver/section_data.h"
#include "textio/record_writer.h"

namespace mphi {

// Traces the curve for the section and writes its console lines and the
// results (after the echo) through `writer`.
void analyseSection(const SectionData& section, RecordWriter& writer);

}  // namespace mphi
