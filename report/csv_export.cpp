#include "report/csv_export.h"

#include <cstdio>

namespace mphi {

std::string csvText(const SectionFile& f) {
  std::string t = "row,curvature_per_cm,moment_Tcm,fibre_strain,neutral_axis_cm\n";
  char line[160];
  for (std::size_t i = 0; i < f.rows.size(); ++i) {
    const TableRow& r = f.rows[i];
    // Nine significant digits bring every float back exactly.
    std::snprintf(line, sizeof line, "%zu,%.9g,%.9g,%.9g,%.9g\n", i + 1, r.k, r.m, r.e, r.c);
    t += line;
  }
  return t;
}

}  // namespace mphi
