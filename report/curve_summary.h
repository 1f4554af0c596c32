// What the table alone does not show: the computed points of the curve, its
// key points and how it ended. Units T and cm.
#pragma once

#include <vector>

#include "report/section_file.h"

namespace mphi {

struct CurvePoint {
  double k = 0;  // curvature, 1/cm
  double m = 0;  // moment, T.cm
  double e = 0;  // extreme-fibre strain
  double c = 0;  // neutral-axis depth, cm
  int row = 0;   // row in SECTION
};

enum class CurveEnd { KeyPoint, TableFull, NothingComputed };

struct CurveSummary {
  std::vector<CurvePoint> points;  // the origin, then every computed row
  int rows = 0;                    // table rows in SECTION
  double steelRatio = 0;           // main steel area over b h
  bool yielded = false;
  CurvePoint peak;      // largest moment of a computed row
  CurvePoint ultimate;  // the last computed row
  CurveEnd end = CurveEnd::NothingComputed;
};

// Rows of zeros after row 1 are steps not computed: left out of the curve.
CurveSummary summariseCurve(const SectionFile& file);

}  // namespace mphi
