// One run once SECTION is open: banner, example, the 22 values, the layout,
// the echo, the data check and the analysis. A severe diagnostic or invalid
// data ends the run through the failed-run end of the channels.
#pragma once

#include "textio/number_reader.h"
#include "textio/record_writer.h"

namespace mphi {

void runSection(NumberReader& reader, RecordWriter& writer);

}  // namespace mphi
