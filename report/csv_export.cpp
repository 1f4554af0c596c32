#include "report/csv_export.h"

#include <cstdio>

namespace mphi {

std::string csvText(const CurveSummary& s) {
  std::string t = "row,curvature_per_cm,moment_Tcm,fibre_strain,neutral_axis_cm\n";
  char line[160];
  for (const CurvePoint& p : s.points) {
    // The values are SECTION's floats: nine significant digits bring each
    // back exactly.
    std::snprintf(line, sizeof line, "%d,%.9g,%.9g,%.9g,%.9g\n", p.row, p.k, p.m, p.e, p.c);
    t += line;
  }
  return t;
}

}  // namespace mphi
