// What mphi says and reads around the analysis: the banner, the example
// input, the 22 values with the bar layout's three lines, and the echo.
#pragma once

#include "section/section_data.h"
#include "section/section_input.h"
#include "textio/record_writer.h"

namespace mphi {

void writeBanner(RecordWriter& writer);
void writeExampleInput(RecordWriter& writer, int channel);
// Replaces the bar counts and layer depths by the derived layout, after
// the layout generator's three console lines.
void applyBarLayout(RecordWriter& console, SectionData& section);

}  // namespace mphi
