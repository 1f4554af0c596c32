#include "report/csv_export.h"

#include <cstdio>

namespace mphi {

std::string csvText(const Curve& curve) {
  std::string t = "row,curvature_per_cm,moment_Tcm,fibre_strain,neutral_axis_cm\n";
  char line[160];
  for (const CurvePoint& p : curve.points) {
    // The values are SECTION's floats: nine significant digits bring each
    // back exactly.
    std::snprintf(line, sizeof line, "%d,%.9g,%.9g,%.9g,%.9g\n", p.row, p.phi, p.M, p.eps, p.c);
    t += line;
  }
  return t;
}

}  // namespace mphi
