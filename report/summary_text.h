// The report as plain text lines, units T and cm.
#pragma once

#include <string>

#include "report/curve_report.h"
#include "report/section_file.h"

namespace mphi {

std::string summaryText(const SectionFile& file, const CurveReport& report);

}  // namespace mphi
