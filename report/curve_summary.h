// What the table alone does not show: the key points of the curve, how it
// ended, and an equal-area elastic-perfectly-plastic idealisation with the
// curvature ductility.
#pragma once

#include <string>
#include <vector>

#include "report/section_file.h"

namespace mphi {

struct CurvePoint {
  double k = 0;  // 1/cm
  double m = 0;  // T.cm
  int row = 0;   // row in SECTION
};

enum class CurveEnd { KeyPoint, TableFull, NothingComputed };

enum class IdealisationState { Done, NoYield, NoRealRoot };

struct Idealisation {
  IdealisationState state = IdealisationState::NoYield;
  double K = 0;     // elastic stiffness My / Ky, T.cm2
  double area = 0;  // under the computed curve from 0 to the ultimate curvature
  double Mp = 0;    // plastic moment
  double kyi = 0;   // idealised yield curvature
  double ductility = 0;
  bool overstates = false;  // Mp above the peak moment
};

struct CurveSummary {
  std::vector<CurvePoint> points;  // the origin, then every computed row
  double steelRatio = 0;           // main steel area over b h
  bool yielded = false;
  CurvePoint peak;
  CurvePoint ultimate;
  CurveEnd end = CurveEnd::NothingComputed;
  Idealisation ideal;
};

// Rows of zeros after row 1 are steps not computed: left out of the curve.
CurveSummary summariseCurve(const SectionFile& file);
// Equal area under the curve from the origin to its last point, elastic
// branch through (Ky, My).
Idealisation idealise(const std::vector<CurvePoint>& points, double My, double Ky, double Mu);
// The summary as plain text lines, units T and cm.
std::string summaryText(const SectionFile& file, const CurveSummary& summary);

}  // namespace mphi
