#include "assessment/assessment_model.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "assessment/root_finding.h"
#include "assessment/section_forces.h"
#include "section/units.h"

namespace mphi {
namespace {

constexpr double kGridStep = 2.5e-5;       // fibre-strain grid below 1.25e-3
constexpr double kGridGrowth = 0.02;       // and beyond it, 2 % a step
constexpr double kOriginMargin = 1.25e-5;  // the first row lies this far above the origin
constexpr double kScanStep = 1e-5;         // the scan for a compressive origin
constexpr double kBracketFactor = 1.25;
constexpr double kLocateTolerance = 1e-10;  // relative, in fibre strain
constexpr double kPeakTolerance = 1e-9;
constexpr double kYieldFibre = 0.002;
constexpr double kServiceFibre = 0.004;
constexpr double kServiceSteel = 0.015;
constexpr double kDamageSteelShare = 0.6;  // of esu
// 1/mm to 1/cm, as the specified model converts.
constexpr double kPerCmPerMm = 10;

// A balanced strain profile: fibre strain, curvature (1/mm), moment (N.mm).
struct Profile {
  double eps = 0, phi = 0, M = 0;
};

struct Tracer {
  const AssessmentSection& a;
  double lowest, highest;  // curvatures the search may try, 1/mm
  double dTension, dCompression;

  explicit Tracer(const AssessmentSection& section)
      : a(section),
        lowest(1e-12 / section.h),
        highest(10 / section.h),
        dTension(section.layers.back().depth),
        dCompression(section.layers.front().depth) {}

  double mismatch(double eps, double phi) const { return sectionForces(a, eps, phi).N - a.P; }

  // The curvature that balances the load at `eps`, bracketed outward from
  // `hint` by factors of 1.25 and then refined; false when no bracket lies
  // in (1e-12/h, 10/h).
  bool balance(double eps, double hint, Profile& out) const {
    double phi = std::min(std::max(hint, lowest * kBracketFactor), highest / kBracketFactor);
    double f = mismatch(eps, phi);
    double other = phi, fOther = f;
    // Too much compression: a larger curvature lifts the neutral axis.
    const double factor = f > 0 ? kBracketFactor : 1 / kBracketFactor;
    while (std::fabs(f) > a.tolerance && (f > 0) == (fOther > 0)) {
      other = phi, fOther = f;
      phi *= factor;
      if (phi > highest || phi < lowest) return false;
      f = mismatch(eps, phi);
    }
    if (std::fabs(f) > a.tolerance) {
      phi = brentRoot([&](double x) { return mismatch(eps, x); }, other, phi, fOther, f,
                      a.tolerance, 1e-15 * phi);
      if (!(std::fabs(mismatch(eps, phi)) <= a.tolerance * 1e3)) return false;
    }
    out = {eps, phi, sectionForces(a, eps, phi).M};
    return true;
  }

  // Strains the ends and key points watch, each growing along the curve.
  double fibre(const Profile& p) const { return p.eps; }
  double core(const Profile& p) const { return p.eps - p.phi * a.cover; }
  double tension(const Profile& p) const { return p.phi * dTension - p.eps; }
  double compression(const Profile& p) const { return p.eps - p.phi * dCompression; }
};

using Watch = std::function<double(const Profile&)>;

// A fibre-strain interval narrower than this is found: relative to the
// strains, with a floor where they pass through zero.
double strainTolerance(double relative, double a, double b) {
  return relative * std::max({std::fabs(a), std::fabs(b), 1e-5});
}

// The profile between `from` (below the limit) and `to` (at or past it)
// where `watch` reaches `limit`, by Brent's method on the fibre strain.
Profile locate(const Tracer& t, const Profile& from, const Profile& to, const Watch& watch,
               double limit) {
  Profile found = to;
  auto g = [&](double eps) {
    Profile p;
    if (!t.balance(eps, from.phi, p)) return 1.0;  // treat as past the limit
    found = p;
    return watch(p) - limit;
  };
  const double fa = watch(from) - limit, fb = watch(to) - limit;
  const double eps = brentRoot(g, from.eps, to.eps, fa, fb, 0,
                               strainTolerance(kLocateTolerance, from.eps, to.eps));
  if (found.eps != eps) t.balance(eps, from.phi, found);
  return found;
}

// The uniform strain that carries the load: the first crossing of a scan
// for compression, the bars alone for tension. False when none does.
bool originStrain(const Tracer& t, double& eps0) {
  const AssessmentSection& a = t.a;
  if (a.P < 0) {
    auto bars = [&](double e) {
      double N = -a.P;
      for (const BarLayer& l : a.layers) N += l.area * barStress(a.m, e);
      return N;
    };
    const double low = -a.m.esu, fLow = bars(low), fHigh = bars(0);
    if (fLow > 0) return false;
    eps0 = brentRoot(bars, low, 0, fLow, fHigh, a.tolerance, 1e-16);
    return true;
  }
  auto f = [&](double e) { return t.mismatch(e, 0); };
  double previous = 0, fPrevious = f(0);
  if (fPrevious >= 0) {
    eps0 = 0;
    return true;
  }
  const int steps = static_cast<int>(std::ceil(a.m.ecu / kScanStep));
  for (int i = 1; i <= steps; ++i) {
    const double e = i * kScanStep, fe = f(e);
    if (fe >= 0) {
      eps0 = brentRoot(f, previous, e, fPrevious, fe, a.tolerance, 1e-16);
      return true;
    }
    previous = e, fPrevious = fe;
  }
  return false;
}

// The fibre-strain grid: multiples of 2.5e-5 up to 0, then 2.5e-5 or 2 %
// a step, whichever is larger. The first point at least 1.25e-5 above eps0.
struct Grid {
  long k = 0;    // while negative: the point is k 2.5e-5
  double g = 0;  // the point, once at or above 0
  double value() const { return k < 0 ? k * kGridStep : g; }
  void next() {
    if (k < 0) {
      ++k;
      return;
    }
    g += std::max(kGridStep, kGridGrowth * g);
  }
};

Grid firstGrid(double eps0) {
  const double first = eps0 + kOriginMargin;
  Grid grid;
  if (first <= 0) {
    grid.k = static_cast<long>(std::ceil(first / kGridStep));
    return grid;
  }
  while (grid.value() < first) grid.next();
  return grid;
}

struct Traced {
  std::vector<Profile> rows;
  CurveEnd end = CurveEnd::NoEquilibrium;
  const char* governed = "";  // what ended it, in the key points' words
};

Traced trace(const Tracer& t) {
  Traced out;
  double eps0 = 0;
  if (!originStrain(t, eps0)) return out;
  out.rows.push_back({eps0, 0, 0});
  const AssessmentMaterials& m = t.a.m;
  for (Grid grid = firstGrid(eps0);; grid.next()) {
    const Profile previous = out.rows.back();
    const double eps = grid.value();
    Profile row;
    CurveEnd end = CurveEnd::NotKnown;
    const char* governed = "";
    if (!t.balance(eps, previous.phi > 0 ? previous.phi : (eps - eps0) / t.a.h, row)) {
      // Equilibrium lost between the rows: the last strain that still has it.
      double lo = previous.eps, hi = eps;
      row = previous;
      const double tolerance = strainTolerance(kLocateTolerance, lo, hi);
      while (hi - lo > tolerance) {
        const double mid = (lo + hi) / 2;
        Profile p;
        if (t.balance(mid, row.phi, p)) {
          lo = mid, row = p;
        } else {
          hi = mid;
        }
      }
      end = CurveEnd::AxialCapacity;
      governed = endName(end);
    }
    // The first strain limit a row reaches ends the curve there, located
    // exactly. A loss of strength does not end it: it is traced on to what
    // breaks the section.
    const struct {
      CurveEnd end;
      const char* governed;
      Watch watch;
      double limit;
    } limits[] = {
        {CurveEnd::CoreCrushing, "core ecu", [&t](const Profile& p) { return t.core(p); }, m.ecu},
        {CurveEnd::BarFracture, "tension bars esu", [&t](const Profile& p) { return t.tension(p); },
         m.esu},
        {CurveEnd::BarFracture, "compression bars esu",
         [&t](const Profile& p) { return t.compression(p); }, m.esu},
    };
    for (const auto& l : limits) {
      if (!(l.watch(row) >= l.limit) || l.watch(previous) >= l.limit) continue;
      const Profile at = locate(t, previous, row, l.watch, l.limit);
      if (end == CurveEnd::NotKnown || at.eps < row.eps)
        row = at, end = l.end, governed = l.governed;
    }
    out.rows.push_back(row);
    if (end == CurveEnd::NotKnown && out.rows.size() == kAssessmentRows) {
      end = CurveEnd::RowCap;
      governed = endName(end);
    }
    if (end != CurveEnd::NotKnown) {
      out.end = end;
      out.governed = governed;
      return out;
    }
  }
}

KeyPoint keyPoint(const Tracer& t, const Profile& p, const char* governed) {
  KeyPoint k;
  k.exists = true;
  k.governed = governed;
  k.eps = p.eps;
  k.phi = p.phi * kPerCmPerMm;
  k.c = p.phi > 0 ? p.eps / p.phi / kMmPerCm : std::numeric_limits<double>::quiet_NaN();
  k.M = p.M * kTonCmPerNmm;
  k.epsCore = t.core(p);
  k.epsTension = t.tension(p);
  return k;
}

struct Limit {
  Watch watch;
  double limit;
  const char* governed;
};

// Where the curve first reaches one of `limits`, the earliest of them;
// nothing when it never does.
KeyPoint firstReached(const Tracer& t, const std::vector<Profile>& rows,
                      const std::vector<Limit>& limits) {
  KeyPoint best;
  for (const Limit& l : limits) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      if (!(l.watch(rows[i]) >= l.limit)) continue;
      const Profile at = i == 0 ? rows[0] : locate(t, rows[i - 1], rows[i], l.watch, l.limit);
      if (!best.exists || at.eps < best.eps) best = keyPoint(t, at, l.governed);
      break;
    }
  }
  return best;
}

// The largest moment: every local maximum of the rows refined by golden
// section between its neighbours.
Profile peakOf(const Tracer& t, const std::vector<Profile>& rows) {
  Profile best = rows.front();
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const bool local =
        rows[i].M >= rows[i - 1].M && (i + 1 == rows.size() || rows[i].M >= rows[i + 1].M);
    if (!local) continue;
    Profile top = rows[i];
    if (i + 1 < rows.size()) {
      const Profile& before = rows[i - 1];
      auto moment = [&](double eps) {
        Profile p;
        return t.balance(eps, before.phi, p) ? p.M : -std::numeric_limits<double>::infinity();
      };
      const auto [eps, M] =
          goldenMaximum(moment, before.eps, rows[i + 1].eps,
                        strainTolerance(kPeakTolerance, before.eps, rows[i + 1].eps));
      Profile p;
      if (M > top.M && t.balance(eps, before.phi, p)) top = p;
    }
    if (top.M > best.M) best = top;
  }
  return best;
}

// After the peak, where the moment first falls to 0.8 of it, located
// exactly; none when it never does.
KeyPoint strengthLossOf(const Tracer& t, const std::vector<Profile>& rows, const Profile& peak) {
  const double level = kDropToEnd * peak.M;
  if (!(level > 0)) return {};
  auto fallen = [](const Profile& p) { return -p.M; };
  for (std::size_t i = 1; i < rows.size(); ++i) {
    if (rows[i].eps <= peak.eps || !(rows[i].M <= level)) continue;
    return keyPoint(t, locate(t, rows[i - 1], rows[i], fallen, -level), "0.8 Mu");
  }
  return {};
}

}  // namespace

Curve assessmentCurve(const SectionData& section, const Analysis& analysis) {
  const AssessmentSection a = assessmentSection(section, analysis);
  const Tracer t(a);
  const Traced traced = trace(t);
  const AssessmentMaterials& m = a.m;

  Curve curve;
  curve.shape = analysis.shape;
  curve.end = traced.end;
  curve.tableRows = static_cast<int>(traced.rows.size());
  curve.tensionDepth = t.dTension / kMmPerCm;
  curve.barInset = a.inset / kMmPerCm;
  for (const BarLayer& l : a.layers) {
    curve.layers.push_back({l.depth / kMmPerCm, l.area / (kMmPerCm * kMmPerCm), l.bars});
  }
  MaterialConstants& c = curve.constants;
  c.fc1 = m.fc1, c.fcc = m.fcc, c.ecc = m.ecc, c.Ec = m.Ec, c.rcc = m.rcc;
  c.fy = m.fy, c.ey = m.ey, c.esh = m.esh, c.esu = m.esu, c.fu = m.fu, c.ecu = m.ecu;
  c.confinement = m.confinement, c.ke = m.ke, c.rhoS = m.rhos, c.fl = m.fl;
  if (traced.rows.empty()) {  // no uniform strain carries the load
    curve.points.push_back({0, 0, 0, std::numeric_limits<double>::quiet_NaN(), 1});
    curve.tableRows = 1;
    return curve;
  }
  for (std::size_t i = 0; i < traced.rows.size(); ++i) {
    const KeyPoint k = keyPoint(t, traced.rows[i], "");
    curve.points.push_back({k.phi, k.M, k.eps, k.c, static_cast<int>(i) + 1});
  }
  const std::vector<Profile>& rows = traced.rows;
  auto fibre = [&t](const Profile& p) { return t.fibre(p); };
  auto core = [&t](const Profile& p) { return t.core(p); };
  auto tension = [&t](const Profile& p) { return t.tension(p); };
  KeyPoints& keys = curve.keys;
  // Without main bars nothing yields: a plain concrete section.
  double steel = 0;
  for (const BarLayer& l : a.layers) steel += l.area;
  if (steel > 0) {
    keys.firstYield = firstReached(
        t, rows, {{tension, m.ey, "steel ey"}, {fibre, kYieldFibre, "extreme fibre 0.002"}});
    keys.tensionSteelYield = firstReached(t, rows, {{tension, m.ey, "steel ey"}});
  }
  keys.serviceability = firstReached(
      t, rows, {{fibre, kServiceFibre, "cover 0.004"}, {tension, kServiceSteel, "steel 0.015"}});
  const Profile peak = peakOf(t, rows);
  keys.peak = keyPoint(t, peak, "");
  keys.strengthLoss = strengthLossOf(t, rows, peak);
  keys.ultimate = keyPoint(t, rows.back(), traced.governed);
  keys.damageControl = firstReached(
      t, rows, {{core, m.ecu, "core ecu"}, {tension, kDamageSteelShare * m.esu, "steel 0.6 esu"}});
  // A curve that ends before a limit state reaches it there, at its end:
  // the idealisation and the drift exist whenever first yield does.
  if (!keys.serviceability.exists) keys.serviceability = keys.ultimate;
  if (!keys.damageControl.exists) keys.damageControl = keys.ultimate;
  for (KeyPoint* k : {&keys.firstYield, &keys.tensionSteelYield, &keys.serviceability, &keys.peak,
                      &keys.damageControl, &keys.ultimate, &keys.strengthLoss}) {
    for (const CurvePoint& p : curve.points) {
      if (k->exists && p.eps == k->eps) k->row = p.row;
    }
  }
  return curve;
}

}  // namespace mphi
