// Every figure mphi-report gives for one curve, from the SECTION file's
// values: key points, both idealisations and, for a column length, the
// drift. The front ends (report, sweep, batch, the page) share it.
#pragma once

#include "report/curve_summary.h"
#include "report/drift.h"
#include "report/idealisation.h"
#include "report/section_file.h"

namespace mphi {

struct CurveReport {
  CurveSummary summary;
  Caltrans caltrans;
  Priestley priestley;
  double length = 0;      // column length asked for, cm; 0 for none
  bool hasDrift = false;  // a length was given and phi_y exists
  Drift drift;
};

// `length` 0 leaves the drift out.
CurveReport reportCurve(const SectionFile& file, double length = 0);

}  // namespace mphi
