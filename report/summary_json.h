// The report as one JSON object, units T and cm. Key names are an interface
// for scripts: absent parts are null, numbers round-trip a double.
#pragma once

#include <string>

#include "report/curve_report.h"
#include "report/section_file.h"

namespace mphi {

std::string summaryJson(const SectionFile& file, const CurveReport& report);

}  // namespace mphi
