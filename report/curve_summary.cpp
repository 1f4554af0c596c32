#include "report/curve_summary.h"

#include <cmath>
#include <cstdio>

#include "analysis/key_points.h"
#include "analysis/material_laws.h"

namespace mphi {
namespace {

bool zeroRow(const TableRow& r) {
  return r.k == 0 && r.m == 0 && r.e == 0 && r.c == 0;
}

std::string format(const char* pattern, double a, double b = 0) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

}  // namespace

Idealisation idealise(const std::vector<CurvePoint>& points, double My, double Ky, double Mu) {
  Idealisation ideal;
  if (My == 0 || Ky == 0 || points.size() < 2) return ideal;  // NoYield
  ideal.K = My / Ky;
  for (std::size_t i = 1; i < points.size(); ++i) {
    ideal.area += (points[i].k - points[i - 1].k) * (points[i].m + points[i - 1].m) / 2;
  }
  const double ku = points.back().k;
  const double discriminant = ku * ku - 2 * ideal.area / ideal.K;
  if (!(ideal.K > 0) || !(discriminant >= 0) || !(ku > 0)) {
    ideal.state = IdealisationState::NoRealRoot;
    return ideal;
  }
  ideal.state = IdealisationState::Done;
  ideal.Mp = ideal.K * (ku - std::sqrt(discriminant));
  ideal.kyi = ideal.Mp / ideal.K;
  ideal.ductility = ideal.kyi > 0 ? ku / ideal.kyi : 0;
  ideal.overstates = ideal.Mp > Mu;
  return ideal;
}

CurveSummary summariseCurve(const SectionFile& f) {
  CurveSummary s;
  s.points.push_back({0, 0, 1});
  for (std::size_t i = 1; i < f.rows.size(); ++i) {
    if (zeroRow(f.rows[i])) continue;
    s.points.push_back({f.rows[i].k, f.rows[i].m, static_cast<int>(i) + 1});
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
  const bool fullTable = static_cast<int>(f.rows.size()) == kTableRows && !zeroRow(f.rows.back());
  s.end = fullTable ? CurveEnd::TableFull : CurveEnd::KeyPoint;
  s.ideal = idealise(s.points, f.My, f.Ky, s.peak.m);
  return s;
}

std::string summaryText(const SectionFile& f, const CurveSummary& s) {
  std::string t;
  t += "Section (units T, cm)\n";
  t += format("  b = %g cm, h = %g cm", f.b, f.h) + format(", P0 = %g T\n", f.P0);
  t += format("  fc = %g T/cm2, fy = %g T/cm2", f.fc, f.fy) +
       format(", main steel ratio %.4f\n", s.steelRatio);
  t += "First yield\n";
  if (s.yielded) {
    t += format("  Ky = %.7g 1/cm, My = %.7g T.cm\n", f.Ky, f.My);
  } else {
    t += "  not reached\n";
  }
  if (s.end == CurveEnd::NothingComputed) {
    t += "Curve\n  no step was computed: every row after the origin is zero\n";
    return t;
  }
  t += "Peak\n";
  t += format("  Mu = %.7g T.cm at curvature %.7g 1/cm", s.peak.m, s.peak.k) +
       format(" (row %.0f)\n", s.peak.row);
  t += "Ultimate (last computed row)\n";
  t += format("  phi_u = %.7g 1/cm, M = %.7g T.cm", s.ultimate.k, s.ultimate.m) +
       format(" (row %.0f)\n", s.ultimate.row);
  t += "End of the curve\n";
  if (s.end == CurveEnd::TableFull) {
    t += "  table full: 500 rows, the last one computed; the curve may go on\n";
  } else {
    t += format("  ended by a key point at row %.0f, which holds zeros: 0.8 Mu, a bar\n",
                static_cast<double>(f.rows.size()));
    t += "  failure, or no equilibrium for P0 (the run's console names it)\n";
  }
  t += "Idealised elastic-perfectly-plastic curve (equal area, elastic branch through first "
       "yield)\n";
  const Idealisation& i = s.ideal;
  if (i.state == IdealisationState::NoYield) {
    t += "  not available: first yield was not reached\n";
    return t;
  }
  if (i.state == IdealisationState::NoRealRoot) {
    t += format(
        "  not available: with K = My/Ky = %.7g T.cm2 no plastic moment gives the area"
        " %.7g T (the root is not real)\n",
        i.K, i.area);
    return t;
  }
  t += format("  K = My/Ky = %.7g T.cm2, area under the curve %.7g T\n", i.K, i.area);
  t += format("  Mp = %.7g T.cm, phi_yi = %.7g 1/cm\n", i.Mp, i.kyi);
  t += format("Curvature ductility\n  mu_phi = phi_u / phi_yi = %.3f\n", i.ductility);
  if (i.overstates) {
    t += format("Warning: Mp (%.7g T.cm) is above the peak moment Mu (%.7g T.cm): the curve\n",
                i.Mp, s.peak.m);
    t += "  ends too soon after first yield for this idealisation, which overstates the\n"
         "  capacity; use the computed curve.\n";
  }
  return t;
}

}  // namespace mphi
