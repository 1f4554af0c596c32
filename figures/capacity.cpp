#include "figures/capacity.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "section/units.h"

namespace mphi {
namespace {

// The section in N, mm and MPa.
struct Column {
  bool circular = false;
  double b = 0, h = 0;  // mm; a circle's diameter D in both
  double Ag = 0;        // gross area, mm2
  double dPrime = 0;    // faces to the bar centres, mm
  double s = 0;         // tie spacing or the spiral's pitch, mm
  double fc = 0;        // f'c, MPa
  double fyh = 0;       // tie yield strength, MPa
  double Av = 0;        // the ties' legs along h, or pi/2 of a spiral's bar, mm2
  double P = 0;         // N, compression positive
  double nu = 0;        // max(P, 0) / (Ag f'c)
  double rhoS = 0;      // the transverse steel's volume ratio
  double dcm = 0;       // main bar diameter, mm
  double L = 0;         // mm
};

Column columnOf(const SectionData& s, const Analysis& a) {
  const double mm = kMmPerCm, mpa = kTonPerCm2InMPa;
  const double tie = kPi * s.dbcm * s.dbcm / 4 * mm * mm;  // a tie's or the spiral's bar
  Column c;
  c.circular = a.shape == SectionShape::Circular;
  c.b = s.b * mm;
  c.h = s.h * mm;
  c.Ag = c.circular ? kPi * c.h * c.h / 4 : c.b * c.h;
  c.dPrime = (static_cast<double>(s.clearb1cm) + s.dbcm / 2.0 + s.dcm / 2.0) * mm;
  c.s = s.sccm * mm;
  c.fc = s.fc / mpa;
  c.fyh = s.fsy / mpa;
  c.Av = c.circular ? kPi / 2 * tie : a.legs.h * tie;
  c.P = static_cast<double>(s.P0) * kNewtonsPerTon;
  c.nu = std::max(c.P, 0.0) / (c.Ag * c.fc);
  c.rhoS =
      c.circular ? 4 * tie / ((c.h - 2 * s.clearb1cm * mm) * c.s) : tieRatios(s, a.legs).rhoS();
  c.dcm = s.dcm * mm;
  c.L = a.length * mm;
  return c;
}

ShearStrength shearStrength(const Column& c, double Mu) {
  ShearStrength v;
  const double d = 0.8 * c.h;
  v.d = d / kMmPerCm;
  const double spacing = c.s / d;
  v.alpha = spacing <= 0.75 ? 1 : spacing >= 1 ? 0 : (1 - spacing) / 0.25;
  const double aspect = std::clamp(c.L / d, 2.0, 4.0);  // M / (V d)
  const double root = std::sqrt(c.fc);
  const double concrete =
      0.5 * root / aspect * std::sqrt(std::max(0.0, 1 + c.P / (0.5 * root * c.Ag))) * 0.8 * c.Ag;
  const double Vn0 = v.alpha * c.Av * c.fyh * d / c.s + concrete;  // N
  // The moment back in N.mm as the models work it (the reverse of their
  // N.mm to T.cm), over the length.
  const double Vp = Mu / kTonCmPerNmm / c.L;
  v.Vn0 = Vn0 / kNewtonsPerTon;
  v.Vp = Vp / kNewtonsPerTon;
  v.ratio = Vp / Vn0;
  v.shearClass = v.ratio <= 0.6   ? ShearClass::Flexure
                 : v.ratio <= 1.0 ? ShearClass::FlexureShear
                                  : ShearClass::Shear;
  return v;
}

// Berry and Eberhard (2005): rectangular columns, and those with spirals.
double barBucklingDrift(const Column& c) {
  const double bars = (c.circular ? 50 : 40) * c.rhoS * (c.fyh / c.fc) * c.dcm / c.h;
  return 0.0325 * (1 + bars) * (1 - c.nu) * (1 + c.L / (10 * c.h));
}

// Elwood and Moehle (2005): the drift at shear failure, at least 1 %.
double shearFailureDrift(const Column& c, double Vp) {
  const double rho = c.Av / (c.b * c.s);
  const double v = Vp * kNewtonsPerTon / (c.b * (c.h - c.dPrime));  // MPa
  return std::max(0.01, 0.03 + 4 * rho - v / (40 * std::sqrt(c.fc)) - c.nu / 40);
}

}  // namespace

const char* shearClassName(ShearClass c) {
  switch (c) {
    case ShearClass::Flexure:
      return "flexure";
    case ShearClass::FlexureShear:
      return "flexure_shear";
    case ShearClass::Shear:
      break;
  }
  return "shear";
}

const char* failureModeName(FailureMode mode) {
  switch (mode) {
    case FailureMode::Flexure:
      return "flexure";
    case FailureMode::BarBuckling:
      return "bar_buckling";
    case FailureMode::Shear:
      break;
  }
  return "shear";
}

DriftCapacity driftCapacity(const SectionData& section, const Analysis& analysis,
                            std::optional<double> Mu, std::optional<double> flexure) {
  DriftCapacity d;
  const Column c = columnOf(section, analysis);
  if (!c.circular) d.ties = tieRatios(section, analysis.legs);
  if (!(c.L > 0)) {
    d.reason = "it needs the column length";
    return d;
  }
  d.hasLength = true;
  d.flexure = flexure;
  // No figure from a curve that did not balance, nor where the load passes
  // the concrete's own squash load (1 - nu <= 0: no drift at all).
  if (Mu && c.nu < 1) d.barBuckling = barBucklingDrift(c);
  if (Mu) d.strength = shearStrength(c, *Mu);
  if (!d.flexure || !d.strength) {
    d.reason = !Mu ? "the curve has no peak moment, so no shear demand"
                   : "the flexural drift needs the yield curvature";
    return d;
  }
  std::vector<std::string> words;
  if (c.circular) {
    words.push_back(
        "Elwood and Moehle's shear-failure drift was fitted to rectangular columns and is not "
        "taken for a circular one");
  } else {
    d.shear = shearFailureDrift(c, d.strength->Vp);
  }
  if (d.strength->shearClass == ShearClass::Shear) {
    words.push_back(
        "Vp exceeds the code's shear strength Vn0: the column's shear strength may govern (Vn0 "
        "is a lower bound, so the capacity is not cut at it)");
  }
  for (const std::string& w : words) d.shearWords += (d.shearWords.empty() ? "" : "; ") + w;
  d.drift = *d.flexure;
  for (const auto& [mode, drift] : {std::pair{FailureMode::BarBuckling, d.barBuckling},
                                    std::pair{FailureMode::Shear, d.shear}}) {
    if (drift && *drift < *d.drift) d.drift = *drift, d.governing = mode;
  }
  return d;
}

}  // namespace mphi
