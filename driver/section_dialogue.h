// What the run driver prints and reads: the banner, the example input, the
// section data with its derived bar layout, and the echo.
#pragma once

#include "analysis/section_data.h"
#include "textio/number_reader.h"
#include "textio/record_writer.h"

namespace mphi {

constexpr int kSectionValues = 22;

// The echo's texts in SECTION; mphi-report reads them back.
constexpr char kEchoTitle[] = "Section data: in Ton-cm unit";
constexpr char kSectionNames[] = "b,h,dt,clearh2cm,cln3,cln4,dcm,num1,num2,num3,num4,clearb1cm";
constexpr char kMaterialNames[] = "dbcm,sccm,fc,fy,fsy,Es,N";

void writeBanner(RecordWriter& writer);
void writeExampleInput(RecordWriter& writer, int channel);
// One statement of 22 values; returns 0 or the diagnostic that ends the run.
int readSectionData(NumberReader& reader, SectionData& section);
// Replaces the bar counts and layer depths by the derived layout.
void applyBarLayout(RecordWriter& console, SectionData& section);
void writeEcho(RecordWriter& writer, const SectionData& section);

}  // namespace mphi
