#include "report/summary_text.h"

#include <cstdarg>
#include <cstdio>

namespace mphi {
namespace {

std::string format(const char* pattern, ...) {
  char text[256];
  va_list args;
  va_start(args, pattern);
  std::vsnprintf(text, sizeof text, pattern, args);
  va_end(args);
  return text;
}

std::string keyPoints(const SectionFile& f, const CurveSummary& s) {
  std::string t;
  t += "Section (units T, cm)\n";
  t += format("  b = %g cm, h = %g cm, P0 = %g T\n", f.b, f.h, f.P0);
  t += format("  fc = %g T/cm2, fy = %g T/cm2, main steel ratio %.4f\n", f.fc, f.fy, s.steelRatio);
  t += "First yield\n";
  t += s.yielded ? format("  Ky = %.7g 1/cm, My = %.7g T.cm\n", f.Ky, f.My) : "  not reached\n";
  if (s.end == CurveEnd::NothingComputed) {
    return t + "Curve\n  no step was computed: every row after the origin is zero\n";
  }
  t += "Peak\n";
  t += format("  Mu = %.7g T.cm at curvature %.7g 1/cm (row %d)\n", s.peak.m, s.peak.k, s.peak.row);
  t += "Ultimate (last computed row)\n";
  t += format("  phi_u = %.7g 1/cm, M = %.7g T.cm (row %d)\n", s.ultimate.k, s.ultimate.m,
              s.ultimate.row);
  t += "End of the curve\n";
  if (s.end == CurveEnd::TableFull) {
    t += "  table full: 500 rows, the last one computed; the curve may go on\n";
  } else {
    t += format("  ended by a key point at row %d, which holds zeros: 0.8 Mu, a bar\n", s.rows);
    t += "  failure, or no equilibrium for P0 (the run's console names it)\n";
  }
  return t;
}

std::string caltransText(const Caltrans& c, double Mu) {
  std::string t = "Caltrans idealisation (elastic through first yield, equal areas beyond it)\n";
  if (c.state == CaltransState::NoYield) {
    return t + "  not available for this curve: first yield was not reached\n";
  }
  if (c.state == CaltransState::NoRealRoot) {
    return t + format(
                   "  not available for this curve: with K = My/Ky = %.7g T.cm2 no plastic "
                   "moment\n  balances the area %.7g T (the root is not real)\n",
                   c.K, c.area);
  }
  t += format("  K = My/Ky = %.7g T.cm2, area %.7g T\n", c.K, c.area);
  t += format("  Mp = %.7g T.cm, phi_yi = %.7g 1/cm\n", c.Mp, c.phiYi);
  t += format("  mu_phi = phi_u / phi_yi = %.3f\n", c.muPhi);
  if (c.overstates) {
    t += format("  Warning: Mp (%.7g T.cm) is above the peak moment Mu (%.7g T.cm): this\n", c.Mp,
                Mu);
    t += "  idealisation overstates the capacity; use the computed curve.\n";
  }
  return t;
}

std::string priestleyText(const Priestley& p) {
  std::string t = "Priestley idealisation (nominal moment at the first strain limit)\n";
  if (p.limit == NominalLimit::Peak) {
    t += format("  Mn = %.7g T.cm: neither strain limit is reached, so Mn = Mu\n", p.Mn);
  } else {
    t += format(
        "  Mn = %.7g T.cm at curvature %.7g 1/cm, set by %s %s\n", p.Mn, p.phiN,
        p.limit == NominalLimit::Concrete ? "the extreme-fibre strain" : "the tension steel strain",
        p.limit == NominalLimit::Concrete ? "0.004" : "0.015");
  }
  if (!p.yielded) return t + "  phi_y and mu_phi not available: first yield was not reached\n";
  t += format("  phi_y = max(Ky Mn/My, Ky) = %.7g 1/cm\n", p.phiY);
  t += format("  mu_phi = phi_u / phi_y = %.3f\n", p.muPhi);
  return t;
}

std::string driftText(const CurveReport& r) {
  std::string t = format("Drift of a cantilever column, L = %g cm\n", r.length);
  if (!r.hasDrift) return t + "  not available: it needs the yield curvature phi_y\n";
  const Drift& d = r.drift;
  t += format("  strain penetration Lsp = %.4g cm, plastic hinge Lp = %.4g cm\n", d.Lsp, d.Lp);
  t += format("  delta_y = %.4g cm, delta_u = %.4g cm, mu_delta = %.3f\n", d.deltaY, d.deltaU,
              d.muDelta);
  t += format("  drift delta_u / L = %.3f %%\n", 100 * d.driftU);
  t += format("  lateral force at phi_u V = (M - P0 delta) / L = %.4g T\n", d.Vu);
  return t;
}

}  // namespace

std::string summaryText(const SectionFile& f, const CurveReport& r) {
  std::string t = keyPoints(f, r.summary);
  if (r.summary.end == CurveEnd::NothingComputed) return t;
  t += caltransText(r.caltrans, r.summary.peak.m);
  t += priestleyText(r.priestley);
  if (r.length > 0) t += driftText(r);
  return t;
}

}  // namespace mphi
