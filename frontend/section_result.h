// One section through the analysis and the report's figures, in memory: its
// curve, the section and curve as SECTION holds them, and mphi-report's
// figures for that SECTION. Pure, so the front ends run many at once.
#pragma once

#include <string>
#include <vector>

#include "analysis/curve.h"
#include "figures/curve_figures.h"
#include "section/section_data.h"
#include "section_file/section_reader.h"

namespace mphi {

struct SectionResult {
  SectionData section;   // as analysed
  Curve curve;           // as the model traced it
  SectionFile written;   // what SECTION holds of both
  CurveFigures figures;  // mphi-report's, of `written`
};

// `section` after the layout and the data check; `length` 0 for no drift.
SectionResult analyseForReport(const SectionData& section, double length = 0);

// The result columns, from how the curve ended to the Priestley ductility.
const std::vector<std::string>& resultHeader();
// Their cells; a value that does not exist is an empty cell.
std::vector<std::string> resultCells(const SectionResult& result);

}  // namespace mphi
