#include "section/bar_layout.h"

#include "section/units.h"

namespace mphi {

// Each step is worked in double and stored as a Real; later steps use the
// stored value.
template <typename Real>
BasicBarLayout<Real> spreadBars(Real b, Real h, Real r, Real inset) {
  const Real Ast = static_cast<Real>(static_cast<double>(b) * h * r);
  const Real bs = static_cast<Real>(static_cast<double>(b) - 2.0f * inset);
  const Real hs = static_cast<Real>(static_cast<double>(h) - 2.0f * inset);
  const Real perim = static_cast<Real>((static_cast<double>(hs) + bs) * 2.0f);
  const Real q = static_cast<Real>(static_cast<double>(Ast) / perim);
  const Real pitch = static_cast<Real>((static_cast<double>(h) / 2.0f - inset) / 3.0f);
  BasicBarLayout<Real> layout;
  layout.A1 = static_cast<Real>(static_cast<double>(q) * bs);
  layout.A2 = static_cast<Real>(static_cast<double>(q) * hs / 3.0f);
  layout.A3 = layout.A2;
  layout.A4 = layout.A2;
  layout.d1 = inset;
  layout.d2 = static_cast<Real>(static_cast<double>(pitch) / 2.0f + layout.d1);
  layout.d3 = static_cast<Real>(static_cast<double>(pitch) + layout.d2);
  layout.d4 = static_cast<Real>(static_cast<double>(pitch) + layout.d3);
  return layout;
}

template BasicBarLayout<float> spreadBars<float>(float, float, float, float);
template BasicBarLayout<double> spreadBars<double>(double, double, double, double);

BarLayout computeBarLayout(float b, float h, float r) {
  constexpr float kInset = 6.0f;  // bar centre line inside every face, cm
  return spreadBars<float>(b, h, r, kInset);
}

void applyBarLayout(SectionData& s) {
  const BarLayout layout = computeBarLayout(s.b, s.h, s.r);
  const float Abar = static_cast<float>(static_cast<double>(s.dcm) * s.dcm * kPiAreas / 4.0f);
  s.num1 = static_cast<float>(static_cast<double>(layout.A1) / Abar);
  s.num2 = static_cast<float>(static_cast<double>(layout.A2) / Abar);
  s.num3 = static_cast<float>(static_cast<double>(layout.A3) / Abar);
  s.num4 = static_cast<float>(static_cast<double>(layout.A4) / Abar);
  s.dt = layout.d1;
  s.clearh2cm = layout.d2;
  s.cln3 = layout.d3;
  s.cln4 = layout.d4;
}

double tensionLayerDepth(const SectionData& s) {
  return static_cast<double>(s.h) - s.dt;
}

}  // namespace mphi
