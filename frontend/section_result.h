// One section through the analysis and the report, in memory: its curve, the
// SECTION file mphi would write, and mphi-report's figures for that file.
// Pure, so the front ends run many at once.
#pragma once

#include <string>
#include <vector>

#include "analysis/curve.h"
#include "analysis/section_data.h"
#include "report/curve_report.h"
#include "report/section_file.h"

namespace mphi {

struct SectionResult {
  Curve curve;
  std::string sectionText;  // SECTION's bytes
  SectionFile file;         // SECTION as mphi-report reads it
  CurveReport report;       // mphi-report's figures for it
};

// `section` after the layout and the data check.
SectionResult analyseForReport(const SectionData& section);

// The result columns, from how the curve ended to the Priestley ductility.
const std::vector<std::string>& resultHeader();
// Their cells; a value that does not exist is an empty cell.
std::vector<std::string> resultCells(const SectionResult& result);

// Shortest decimal texts that give back the value exactly.
std::string floatText(float value);
std::string doubleText(double value);

}  // namespace mphi
