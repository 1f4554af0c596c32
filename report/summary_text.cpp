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

std::string keyPoints(const SectionData& s, const Curve& c, const CurveFigures& f) {
  const KeyPoint& yield = c.keys.firstYield;
  std::string t;
  t += "Section (units T, cm)\n";
  t += format("  b = %g cm, h = %g cm, P0 = %g T\n", s.b, s.h, s.P0);
  t += format("  fc = %g T/cm2, fy = %g T/cm2, main steel ratio %.4f\n", s.fc, s.fy, f.steelRatio);
  t += "First yield\n";
  t += yield.exists ? format("  Ky = %.7g 1/cm, My = %.7g T.cm\n", yield.phi, yield.M)
                    : "  not reached\n";
  if (!computed(c)) {
    t += "Curve\n  " + figuresNote(s, c, false) + "\n";
    return t;
  }
  const KeyPoint& peak = c.keys.peak;
  const KeyPoint& ultimate = c.keys.ultimate;
  t += "Peak\n";
  t += format("  Mu = %.7g T.cm at curvature %.7g 1/cm (row %d)\n", peak.M, peak.phi, peak.row);
  t += "Ultimate (last computed row)\n";
  t += format("  phi_u = %.7g 1/cm, M = %.7g T.cm (row %d)\n", ultimate.phi, ultimate.M,
              ultimate.row);
  t += "End of the curve\n";
  t += "  " + endExplanation(s, c) + format(" (row %d)\n", c.tableRows);
  if (f.tooFewRows) t += "Idealisations\n  " + figuresNote(s, c, true) + "\n";
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

std::string driftText(const CurveFigures& f) {
  std::string t = format("Drift of a cantilever column, L = %g cm\n", f.length);
  if (!f.hasDrift) return t + "  not available: it needs the yield curvature phi_y\n";
  const Drift& d = f.drift;
  t += format("  strain penetration Lsp = %.4g cm, plastic hinge Lp = %.4g cm (k = %.3g)\n",
              d.column.Lsp, d.column.Lp, d.column.k);
  t += format("  delta_y = %.4g cm, delta_u = %.4g cm, mu_delta = %.3f\n", d.deltaY, d.deltaU,
              d.muDelta);
  t += format("  drift delta_u / L = %.3f %%\n", 100 * d.driftU);
  t += format("  lateral force at phi_u V = (M - P0 delta) / L = %.4g T\n", d.Vu);
  return t;
}

}  // namespace

const char* endWords(CurveEnd end) {
  switch (end) {
    case CurveEnd::PointEightMu:
      return "the moment fell below 0.8 of its peak (0.8 Mu)";
    case CurveEnd::CompressionBars:
      return "the bars nearest the compression face failed";
    case CurveEnd::TensionBars:
      return "the outermost tension bars failed";
    case CurveEnd::CoreCrushing:
      return "the core edge reached its ultimate strain (core crushing)";
    case CurveEnd::AxialCapacity:
      return "the section could no longer carry the axial load";
    case CurveEnd::NoEquilibrium:
      return "no neutral axis balances the axial load: it is beyond the section";
    case CurveEnd::TableFull:
      return "the table is full (500 rows); the curve may go on";
    case CurveEnd::RowCap:
      return "the curve reached its 1000 rows; it may go on";
    case CurveEnd::NotKnown:
      break;
  }
  return "0.8 Mu or a bar failure: not known from SECTION (the run's console names it)";
}

std::string endExplanation(const SectionData& s, const Curve& c) {
  if (c.end != CurveEnd::NoEquilibrium) return endWords(c.end);
  if (s.P0 < 0) {
    return format(
        "no equilibrium: the tension exceeds what the bars can carry (about As fu = %.4g T)",
        tensionCapacity(s, c));
  }
  return format(
      "no equilibrium: the axial load exceeds what the section can carry (about Po = %.4g T)",
      squashLoad(s, c));
}

std::string figuresNote(const SectionData& s, const Curve& c, bool tooFewRows) {
  if (!computed(c)) {
    return c.end == CurveEnd::NoEquilibrium ? endExplanation(s, c) + "; no figures"
                                            : "no row balanced the axial load: no figures";
  }
  if (tooFewRows) {
    return format("too few rows to idealise (%d computed; at least %d are needed)",
                  static_cast<int>(c.points.size()) - 1, kFewestRowsToIdealise);
  }
  return {};
}

std::string summaryText(const SectionData& s, const Curve& c, const CurveFigures& f) {
  std::string t = keyPoints(s, c, f);
  if (!computed(c) || f.tooFewRows) return t;
  t += caltransText(f.caltrans, c.keys.peak.M);
  t += priestleyText(f.priestley);
  if (f.length > 0) t += driftText(f);
  return t;
}

}  // namespace mphi
