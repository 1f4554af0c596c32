#include "assessment/assessment_section.h"

#include <algorithm>
#include <cmath>

#include "curve/material_laws.h"
#include "section/bar_layout.h"
#include "section/units.h"

namespace mphi {
namespace {

constexpr double kMostBars = 1000;  // on one face: far beyond any column

// Faces to the centres of the outer bars: the tie centre line, half the
// tie, half the bar (cm).
double barInset(const SectionData& s) {
  return static_cast<double>(s.clearb1cm) + s.dbcm / 2.0 + s.dcm / 2.0;
}

double barArea(const SectionData& s) {  // cm2
  return kPiAreas * static_cast<double>(s.dcm) * s.dcm / 4;
}

// `tooFew` says what the least count is.
std::optional<Fault> countFault(const char* field, double count, double least, const char* tooFew) {
  if (!std::isfinite(count) || count != std::floor(count)) {
    return faultOf(field, count, "the number of bars must be a whole number");
  }
  if (count < least) return faultOf(field, count, tooFew);
  if (count > kMostBars) return faultOf(field, count, "at most 1000 bars on a face");
  return std::nullopt;
}

// A circular section's bars on the circle through their centres, D/2 - d'
// from the centre, at 2 pi i / n from the extreme compression fibre; bars
// at one depth share a layer (cm).
std::vector<BarLayer> circleLayers(const SectionData& s, int n) {
  const double D = s.h, radius = D / 2 - barInset(s), area = barArea(s);
  std::vector<BarLayer> layers;
  for (int i = 0; i < n; ++i) {
    const double depth = D / 2 - radius * std::cos(2 * kPi * i / n);
    // The bars at +-t round the circle lie at one depth, but for a rounding.
    auto at = std::find_if(layers.begin(), layers.end(), [&](const BarLayer& l) {
      return std::fabs(l.depth - depth) <= 1e-9 * D;
    });
    if (at == layers.end()) {
      layers.push_back({depth, area, 1});
    } else {
      at->area += area;
      ++at->bars;
    }
  }
  std::sort(layers.begin(), layers.end(),
            [](const BarLayer& x, const BarLayer& y) { return x.depth < y.depth; });
  return layers;
}

// Cover, tie and bars, in cm: layers from the compression face down.
std::vector<BarLayer> layersOf(const SectionData& s, const Analysis& a) {
  if (a.shape == SectionShape::Circular) return circleLayers(s, static_cast<int>(a.circleBars));
  const std::optional<BarCounts>& bars = a.bars;
  const double inset = barInset(s);
  const double h = s.h;
  std::vector<BarLayer> layers;
  if (bars) {
    const int face = static_cast<int>(bars->face);
    const int side = static_cast<int>(bars->side);
    const double area = barArea(s);
    layers.push_back({inset, face * area, face});
    for (int k = 1; k <= side; ++k) {
      layers.push_back({inset + k * (h - 2 * inset) / (side + 1), 2 * area, 2});
    }
    layers.push_back({h - inset, face * area, face});
    return layers;
  }
  const BasicBarLayout<double> l = spreadBars<double>(s.b, s.h, s.r, inset);
  const double areas[4] = {l.A1, l.A2, l.A3, l.A4};
  const double depths[4] = {l.d1, l.d2, l.d3, l.d4};
  for (int i = 0; i < 4; ++i) layers.push_back({depths[i], areas[i], 0});
  for (int i = 3; i >= 0; --i) layers.push_back({h - depths[i], areas[i], 0});
  return layers;
}

double totalArea(const std::vector<BarLayer>& layers) {
  double area = 0;
  for (const BarLayer& l : layers) area += l.area;
  return area;
}

// Mander's rectangular confinement (1988): the core to the tie centre line
// loses the arches between neighbouring bars (clear gaps w') and between
// the ties (clear spacing s'); the ties' volume ratio from their legs.
void confineRectangular(const SectionData& s, const BarCounts& bars, const TieLegs& legs,
                        double steelCm2, BasicMaterials<double>& m) {
  const double inset = barInset(s), core = 2 * static_cast<double>(s.clearb1cm);
  const double bc = s.b - core, hc = s.h - core;
  const double sClear = static_cast<double>(s.sccm) - s.dbcm;
  // Bars that touch leave no arch, never a negative gap.
  const double faceGap = std::max(0.0, (s.b - 2 * inset) / (bars.face - 1) - s.dcm);
  const double sideGap = std::max(0.0, (s.h - 2 * inset) / (bars.side + 1) - s.dcm);
  const double arches =
      2 * (bars.face - 1) * faceGap * faceGap + 2 * (bars.side + 1) * sideGap * sideGap;
  m.rhocc = steelCm2 / (bc * hc);
  // A long section held at its corners alone confines nothing.
  m.ke = std::max(0.0, (1 - arches / (6 * bc * hc)) * (1 - sClear / (2 * bc)) *
                           (1 - sClear / (2 * hc)) / (1 - m.rhocc));
  m.rhos = tieRatios(s, legs).rhoS();
  m.fl = 0.5 * m.ke * m.rhos * s.fsy / static_cast<double>(kTonPerCm2InMPa);
  deriveConfinedLaw(m);
}

// Mander's circular confinement (1988): the core of diameter ds to the
// spiral's centre line loses the arches between turns, once for a spiral,
// twice over for hoops.
void confineCircular(const SectionData& s, Transverse transverse, double steelCm2,
                     BasicMaterials<double>& m) {
  const double ds = s.h - 2 * static_cast<double>(s.clearb1cm);
  const double spiral = kPi * s.dbcm * s.dbcm / 4;
  const double arch = 1 - (static_cast<double>(s.sccm) - s.dbcm) / (2 * ds);
  m.ds = ds / kCmPerM;
  m.rhocc = steelCm2 / (kPi * ds * ds / 4);
  m.rhos = 4 * spiral / (ds * s.sccm);
  m.ke = std::max(0.0, (transverse == Transverse::Hoops ? arch * arch : arch) / (1 - m.rhocc));
  m.fl = 0.5 * m.ke * m.rhos * s.fsy / static_cast<double>(kTonPerCm2InMPa);
  deriveConfinedLaw(m);
}

Confinement confinementOf(const Analysis& a) {
  if (a.shape == SectionShape::Circular) return Confinement::Circular;
  return a.bars ? Confinement::Rectangular : Confinement::EquivalentCircle;
}

// The materials of the section: a circular section's confinement, Mander's
// rectangular one with explicit bars, else the equivalent circle's.
BasicMaterials<double> materialsOf(const SectionData& s, const Analysis& a,
                                   const std::vector<BarLayer>& layers) {
  const double steel = totalArea(layers);  // cm2
  BasicMaterials<double> m = deriveMaterials<double>(s, steel / (kCmPerM * kCmPerM));
  if (confinementOf(a) == Confinement::Circular) confineCircular(s, a.transverse, steel, m);
  if (confinementOf(a) == Confinement::Rectangular)
    confineRectangular(s, *a.bars, a.legs, steel, m);
  return m;
}

}  // namespace

std::optional<Fault> checkBarCounts(const Analysis& a) {
  if (a.shape == SectionShape::Circular) {
    if (a.bars) {
      return faultOf("bars_face", a.bars->face,
                     "bar counts on faces are for rectangular sections: a circular one takes "
                     "n_bars round its circle");
    }
    if (a.circleBars == 0) {
      return Fault{"n_bars", "", "a circular section needs its number of bars"};
    }
    if (std::optional<Fault> f =
            countFault("n_bars", a.circleBars, 4, "a circular section needs at least 4 bars")) {
      return f;
    }
    return std::nullopt;
  }
  if (a.circleBars != 0) {
    return faultOf("n_bars", a.circleBars,
                   "n_bars is for circular sections: a rectangular one takes bars_face and "
                   "bars_side");
  }
  if (!a.bars) return std::nullopt;
  if (std::optional<Fault> f =
          countFault("bars_face", a.bars->face, 2, "there must be at least 2 bars on each face")) {
    return f;
  }
  return countFault("bars_side", a.bars->side, 0, "the number of bars must not be negative");
}

std::optional<Fault> checkAssessment(const SectionData& s, const Analysis& a) {
  if (std::optional<Fault> f = checkBarCounts(a)) return f;
  return checkBarsFit(s, a);
}

std::optional<Fault> checkBarsFit(const SectionData& s, const Analysis& a) {
  if (2 * barInset(s) >= std::min(s.b, s.h)) {
    return faultOf("clearb1cm", s.clearb1cm,
                   "the bars do not fit: cover, tie and bar take the whole section");
  }
  if (a.shape == SectionShape::Circular) {
    if (s.h != s.b) {
      return faultOf("h", s.h, "a circular section has one diameter D: h must equal b");
    }
    // Bars that touch are possible (bundled, or a tight laboratory cage);
    // bars that overlap are not.
    const double radius = s.h / 2.0 - barInset(s);
    if (2 * radius * std::sin(kPi / a.circleBars) < s.dcm) {
      return faultOf("n_bars", a.circleBars,
                     "the bars do not fit on their circle: neighbouring bars overlap");
    }
  }
  if (confinementOf(a) == Confinement::EquivalentCircle) return std::nullopt;
  // The bars' own area must leave room for the core they confine, and the
  // real ties a confined law.
  const BasicMaterials<double> m = materialsOf(s, a, layersOf(s, a));
  if (m.rhocc >= 1) {
    return a.bars ? faultOf("bars_face", a.bars->face, "the bars' area exceeds the confined core")
                  : faultOf("n_bars", a.circleBars, "the bars' area exceeds the confined core");
  }
  if (!(m.ecc > 0 && m.Esec < m.Ec)) {
    return faultOf("rcc", m.rcc,
                   "the confined-concrete law is undefined for this concrete and the real "
                   "ties (it needs 0 < fcc/ecc < Ec)");
  }
  return std::nullopt;
}

AssessmentSection assessmentSection(const SectionData& s, const Analysis& request) {
  AssessmentSection a;
  const std::vector<BarLayer> layers = layersOf(s, request);
  const BasicMaterials<double> c = materialsOf(s, request, layers);
  AssessmentMaterials& m = a.m;
  m.confinement = confinementOf(request);
  m.fc1 = c.fc1;
  m.fy = c.fy;
  m.Es = c.Es;
  m.ey = c.ey;
  m.esh = c.esh;
  m.Esh = c.Esh;
  m.esu = c.e40;
  m.fu = m.fy + m.Esh * (m.esu - m.esh);
  m.fyh = s.fsy / static_cast<double>(kTonPerCm2InMPa);
  m.ds = c.ds;
  m.rhocc = c.rhocc;
  m.ke = c.ke;
  m.rhos = c.rhos;
  m.fl = c.fl;
  m.fcc = c.fcc;
  m.ecc = c.ecc;
  m.Ec = c.Ec;
  m.Esec = c.Esec;
  m.rcc = c.rcc;
  m.ecu = 0.004 + 1.4 * m.rhos * m.fyh * m.esu / m.fcc;

  const double mm = kMmPerCm;
  a.circular = request.shape == SectionShape::Circular;
  a.b = s.b * mm;
  a.h = s.h * mm;
  a.cover = s.clearb1cm * mm;
  a.coreWidth = a.b - 2 * a.cover;
  a.inset = barInset(s) * mm;
  a.P = static_cast<double>(s.P0) * kNewtonsPerTon;
  a.area = a.circular ? kPi * a.h * a.h / 4 : a.b * a.h;
  a.tolerance = 1e-8 * m.fc1 * a.area;
  for (BarLayer l : layers) {
    l.depth *= mm;
    l.area *= mm * mm;
    a.layers.push_back(l);
  }
  return a;
}

}  // namespace mphi
