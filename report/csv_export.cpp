#include "report/csv_export.h"

#include <cmath>
#include <cstdio>

namespace mphi {
namespace {

// Nine significant digits give back a float (SECTION's values) exactly,
// seventeen a double (the assessment model's); the assessment model's
// origin has no neutral axis: an empty cell.
std::string cell(double v) {
  if (!std::isfinite(v)) return "";
  char text[40];
  const bool single = static_cast<double>(static_cast<float>(v)) == v;
  std::snprintf(text, sizeof text, single ? "%.9g" : "%.17g", v);
  return text;
}

}  // namespace

std::string csvText(const Curve& curve, const Units& u) {
  using Q = Quantity;
  std::string t = "row,curvature_" + u.key(Q::Curvature) + ",moment_" + u.key(Q::Moment) +
                  ",fibre_strain,neutral_axis_" + u.key(Q::Length) + "\n";
  for (const CurvePoint& p : curve.points) {
    t += std::to_string(p.row) + "," + cell(u.in(Q::Curvature, p.phi)) + "," +
         cell(u.in(Q::Moment, p.M)) + "," + cell(p.eps) + "," + cell(u.in(Q::Length, p.c)) + "\n";
  }
  return t;
}

}  // namespace mphi
