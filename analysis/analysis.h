// The moment-curvature analysis of one section.
#pragma once

#include "analysis/curve.h"
#include "analysis/section_data.h"
#include "textio/record_writer.h"

namespace mphi {

// Traces the curve of the section data (after the bar layout). Pure: no
// I/O and no shared state, so several threads may call it at once.
Curve computeCurve(const SectionData& section);

// The curve's console lines on standard output, then its results in
// SECTION (after the echo), through `writer`.
void writeCurve(RecordWriter& writer, const Curve& curve);

// computeCurve, then writeCurve.
void analyseSection(const SectionData& section, RecordWriter& writer);

}  // namespace mphi
