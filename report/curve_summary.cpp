#include "report/curve_summary.h"

#include "analysis/key_points.h"
#include "analysis/material_laws.h"

namespace mphi {
namespace {

bool zeroRow(const TableRow& r) {
  return r.k == 0 && r.m == 0 && r.e == 0 && r.c == 0;
}

}  // namespace

CurveSummary summariseCurve(const SectionFile& f) {
  CurveSummary s;
  s.rows = static_cast<int>(f.rows.size());
  s.points.push_back({});
  s.points.back().row = 1;
  for (std::size_t i = 1; i < f.rows.size(); ++i) {
    const TableRow& r = f.rows[i];
    if (zeroRow(r)) continue;
    s.points.push_back({r.k, r.m, r.e, r.c, static_cast<int>(i) + 1});
  }
  // The pi the layout worked the bar counts out with.
  const double barArea = kPiAreas * static_cast<double>(f.dcm) * f.dcm / 4;
  const double bars = 2.0 * (static_cast<double>(f.num[0]) + f.num[1] + f.num[2] + f.num[3]);
  s.steelRatio = bars * barArea / (static_cast<double>(f.b) * f.h);
  s.yielded = f.My != 0 || f.Ky != 0;
  if (s.points.size() == 1) return s;  // NothingComputed
  s.peak = s.points[1];
  for (const CurvePoint& p : s.points) {
    if (p.row > 1 && p.m > s.peak.m) s.peak = p;
  }
  s.ultimate = s.points.back();
  const bool fullTable = s.rows == kTableRows && !zeroRow(f.rows.back());
  s.end = fullTable ? CurveEnd::TableFull : CurveEnd::KeyPoint;
  return s;
}

}  // namespace mphi
