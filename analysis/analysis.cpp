#include "analysis/analysis.h"

namespace mphi {

void analyseSection(const SectionData&, RecordWriter&) {}

}  // namespace mphi
