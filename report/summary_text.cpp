#include "report/summary_text.h"

#include <cstdio>

#include "report/capacity_report.h"
#include "textio/formatted.h"

namespace mphi {
namespace {

// "2040.211 T.cm": a value in tons and centimetres, in the units asked for.
std::string amount(const Units& u, Quantity q, double v, int digits = 7) {
  return formatted("%.*g %s", digits, u.in(q, v), u.text(q).c_str());
}

// The section's data as given: plain %g.
std::string given(const Units& u, Quantity q, double v) {
  return formatted("%g %s", u.in(q, v), u.text(q).c_str());
}

std::string tooFewRowsText(const Curve& c) {
  return formatted("too few rows to idealise (%d computed; at least %d are needed)",
                   static_cast<int>(c.points.size()) - 1, kFewestRowsToIdealise);
}

std::string keyPoints(const SectionData& s, const Curve& c, const CurveFigures& f, const Units& u) {
  using Q = Quantity;
  const KeyPoint& yield = c.keys.firstYield;
  std::string t;
  t += "Section (units " + u.text(Q::Force) + ", " + u.text(Q::Length) + ")\n";
  t += "  b = " + given(u, Q::Length, s.b) + ", h = " + given(u, Q::Length, s.h) +
       ", P0 = " + given(u, Q::Force, s.P0) + "\n";
  t += "  fc = " + given(u, Q::Stress, s.fc) + ", fy = " + given(u, Q::Stress, s.fy) +
       formatted(", main steel ratio %.4f\n", f.steelRatio);
  t += "First yield\n";
  t += yield.exists ? "  Ky = " + amount(u, Q::Curvature, yield.phi) +
                          ", My = " + amount(u, Q::Moment, yield.M) + "\n"
                    : "  not reached\n";
  if (!computed(c)) {
    t += "Curve\n  " + figuresNote(s, c, false, u) + "\n";
    return t;
  }
  const KeyPoint& peak = c.keys.peak;
  const KeyPoint& ultimate = c.keys.ultimate;
  t += "Peak\n";
  t += "  Mu = " + amount(u, Q::Moment, peak.M) + " at curvature " +
       amount(u, Q::Curvature, peak.phi) + formatted(" (row %d)\n", peak.row);
  t += c.stop == FiguresStop::BarFailure ? "Ultimate (last row before the bar failure)\n"
                                         : "Ultimate (last computed row)\n";
  t += "  phi_u = " + amount(u, Q::Curvature, ultimate.phi) +
       ", M = " + amount(u, Q::Moment, ultimate.M) + formatted(" (row %d)\n", ultimate.row);
  t += "End of the curve\n";
  t += "  " + endExplanation(s, c, u) + formatted(" (row %d)\n", c.tableRows);
  if (c.stop != FiguresStop::None) t += "  " + stopText(s, c, u) + "\n";
  if (f.tooFewRows) {
    t += "Idealisations\n  " + tooFewRowsText(c) + "\n";
  }
  return t;
}

std::string caltransText(const Caltrans& c, double Mu, const Units& u) {
  using Q = Quantity;
  std::string t = "Caltrans idealisation (elastic through first yield, equal areas beyond it)\n";
  if (c.state == CaltransState::NoYield) {
    return t + "  not available for this curve: first yield was not reached\n";
  }
  if (c.state == CaltransState::NoRealRoot) {
    return t + "  not available for this curve: with K = My/Ky = " + amount(u, Q::Stiffness, c.K) +
           " no plastic moment\n  balances the area " + amount(u, Q::Force, c.area) +
           " (the root is not real)\n";
  }
  t += "  K = My/Ky = " + amount(u, Q::Stiffness, c.K) + ", area " + amount(u, Q::Force, c.area) +
       "\n";
  t += "  Mp = " + amount(u, Q::Moment, c.Mp) + ", phi_yi = " + amount(u, Q::Curvature, c.phiYi) +
       "\n";
  t += formatted("  mu_phi = phi_u / phi_yi = %.3f\n", c.muPhi);
  if (c.overstates) {
    t += "  Warning: Mp (" + amount(u, Q::Moment, c.Mp) + ") is above the peak moment Mu (" +
         amount(u, Q::Moment, Mu) + "): this\n";
    t += "  idealisation overstates the capacity; use the computed curve.\n";
  }
  return t;
}

std::string priestleyText(const Priestley& p, const Units& u) {
  using Q = Quantity;
  std::string t = "Priestley idealisation (nominal moment at the first strain limit)\n";
  if (p.limit == NominalLimit::Peak) {
    t += "  Mn = " + amount(u, Q::Moment, p.Mn) + ": neither strain limit is reached, so Mn = Mu\n";
  } else {
    t += "  Mn = " + amount(u, Q::Moment, p.Mn) + " at curvature " +
         amount(u, Q::Curvature, p.phiN) +
         formatted(", set by %s %s\n",
                   p.limit == NominalLimit::Concrete ? "the extreme-fibre strain"
                                                     : "the tension steel strain",
                   p.limit == NominalLimit::Concrete ? "0.004" : "0.015");
  }
  if (!p.yielded) return t + "  phi_y and mu_phi not available: first yield was not reached\n";
  t += "  phi_y = max(Ky Mn/My, Ky) = " + amount(u, Q::Curvature, p.phiY) + "\n";
  t += formatted("  mu_phi = phi_u / phi_y = %.3f\n", p.muPhi);
  return t;
}

std::string driftText(const CurveFigures& f, const Units& u) {
  using Q = Quantity;
  std::string t = "Drift of a cantilever column, L = " + given(u, Q::Length, f.length) + "\n";
  if (!f.hasDrift) return t + "  not available: it needs the yield curvature phi_y\n";
  const Drift& d = f.drift;
  t += "  strain penetration Lsp = " + amount(u, Q::Length, d.column.Lsp, 4) +
       ", plastic hinge Lp = " + amount(u, Q::Length, d.column.Lp, 4) +
       formatted(" (k = %.3g)\n", d.column.k);
  t += "  delta_y = " + amount(u, Q::Length, d.deltaY, 4) +
       ", delta_u = " + amount(u, Q::Length, d.deltaU, 4) +
       formatted(", mu_delta = %.3f\n", d.muDelta);
  t += formatted("  drift delta_u / L = %.3f %%\n", 100 * d.driftU);
  t += "  lateral force at phi_u V = (M - P0 delta) / L = " + amount(u, Q::Force, d.Vu, 4) + "\n";
  t += stabilityText(f.capacity, {{"the last row", d.driftU}});
  return t;
}

}  // namespace

std::string sizeWords(const SectionData& s, SectionShape shape) {
  return shape == SectionShape::Circular ? formatted("D = %g", s.h)
                                         : formatted("b \xC3\x97 h = %g \xC3\x97 %g", s.b, s.h);
}

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
    case CurveEnd::BarFracture:
      return "a main bar reached its fracture strain (bar fracture)";
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

std::string endExplanation(const SectionData& s, const Curve& c, const Units& u) {
  if (c.end != CurveEnd::NoEquilibrium) return endWords(c.end);
  if (s.P0 < 0) {
    return "no equilibrium: the tension exceeds what the bars can carry (about As fu = " +
           amount(u, Quantity::Force, tensionCapacity(s, c), 4) + ")";
  }
  return "no equilibrium: the axial load exceeds what the section can carry (about Po = " +
         amount(u, Quantity::Force, squashLoad(s, c), 4) + ")";
}

std::string stopText(const SectionData&, const Curve& c, const Units& u) {
  switch (c.stop) {
    case FiguresStop::None:
      break;
    case FiguresStop::BeyondSteelStrength:
      return "the tension load exceeds what the steel can carry (As fu = " +
             amount(u, Quantity::Force, c.stopLoad, 4) + ")";
    case FiguresStop::BeyondSteelYield:
      return "the tension load exceeds what the steel carries at yield (As fy = " +
             amount(u, Quantity::Force, c.stopLoad, 4) +
             "), and SECTION does not say where its bars failed";
    case FiguresStop::BarFailure: {
      const StepEvent& e = c.stopEvent;
      const char* bars = e.kind == StepEventKind::CompressionBarsFailed
                             ? "the bars nearest the compression face"
                             : "the outermost tension bars";
      const std::string where =
          computed(c) ? formatted("; the figures end at row %d", c.points.back().row) : "";
      return formatted("bar_failure: %s reached their failure strain 40 ey (%.4g) at row %d", bars,
                       e.value, e.row) +
             where;
    }
  }
  return {};
}

std::string figuresNote(const SectionData& s, const Curve& c, bool tooFewRows, const Units& u) {
  const std::string stop = stopText(s, c, u);
  if (!computed(c)) {
    if (!stop.empty()) return stop + "; no figures";
    return c.end == CurveEnd::NoEquilibrium ? endExplanation(s, c, u) + "; no figures"
                                            : "no row balanced the axial load: no figures";
  }
  if (tooFewRows) {
    return (stop.empty() ? "" : stop + "; ") + tooFewRowsText(c);
  }
  return stop;
}

std::string summaryText(const SectionData& s, const Curve& c, const CurveFigures& f,
                        const Units& u) {
  std::string t = keyPoints(s, c, f, u);
  if (!computed(c) || f.tooFewRows) return t;
  t += caltransText(f.caltrans, c.keys.peak.M, u);
  t += priestleyText(f.priestley, u);
  if (f.length > 0) t += driftText(f, u) + capacityText(f.capacity, "the last computed row", u);
  return t;
}

}  // namespace mphi
