// What the run driver prints and reads: the banner, the example input, the
// section data with its derived bar layout, and the echo.
#pragma once

#include "driver/section_data.h"
#include "textio/number_reader.h"
#include "textio/record_writer.h"

namespace mphi {

constexpr int kSectionValues = 22;

void writeBanner(RecordWriter& writer);
void writeExampleInput(RecordWriter& writer, int channel);
// One statement of 22 values; returns 0 or the diagnostic that ends the run.
int readSectionData(NumberReader& reader, SectionData& section);
// Replaces the bar counts and layer depths by the derived layout.
void applyBarLayout(RecordWriter& console, SectionData& section);
void writeEcho(RecordWriter& writer, const SectionData& section);

}  // namespace mphi
