#include "figures/limit_states.h"

#include "section/units.h"

namespace mphi {

Idealisation idealisationFrom(const Curve& curve, const KeyPoint& yield) {
  Idealisation i;
  const KeyPoint& service = curve.keys.serviceability;
  if (!yield.exists) {
    double steel = 0;
    for (const BarRow& l : curve.layers) steel += l.area;
    i.reason = steel > 0 ? "the curve ends before first yield"
                         : "the section has no main bars: nothing yields";
    return i;
  }
  if (!(yield.M > 0 && yield.phi > 0)) {
    i.reason = "the load alone already yields the section: first yield has no moment";
    return i;
  }
  if (!service.exists) {
    i.reason = "the curve ends before serviceability, which sets Mn";
    return i;
  }
  i.available = true;
  i.My = yield.M;
  i.Ky = yield.phi;
  i.Mn = service.M;
  i.phiY = i.Ky * i.Mn / i.My;
  i.muPhiDc = curve.keys.damageControl.phi / i.phiY;
  i.muPhiU = curve.keys.ultimate.phi / i.phiY;
  return i;
}

namespace {

// The idealisations and the drift at each limit state.
LimitStateFigures limitStateDrifts(const SectionData& s, const Curve& curve, double length) {
  LimitStateFigures f;
  f.idealisation = idealisationFrom(curve, curve.keys.firstYield);
  f.bySteelYield = idealisationFrom(curve, curve.keys.tensionSteelYield);
  f.length = length;
  if (!(length > 0) || !f.idealisation.available) return f;
  f.hasDrift = true;
  const MaterialConstants& m = curve.constants;
  f.column = cantilever(length, s.fy, s.dcm, m.fu / m.fy, s.P0, f.idealisation.phiY);
  f.deltaY = displacement(f.column, f.column.phiY);
  for (const CurvePoint& p : curve.points) f.curve.push_back(driftAt(f.column, p.phi, p.M));
  auto at = [&](const KeyPoint& k) {
    const DriftPoint d = driftAt(f.column, k.phi, k.M);
    return LimitStateDrift{d.delta, d.delta / length, d.delta / f.deltaY, d.V};
  };
  f.serviceability = at(curve.keys.serviceability);
  f.damageControl = at(curve.keys.damageControl);
  f.ultimate = at(curve.keys.ultimate);
  return f;
}

}  // namespace

LimitStateFigures limitStateFigures(const SectionData& s, const Curve& curve,
                                    const Analysis& analysis) {
  const double length = analysis.length;
  LimitStateFigures f = limitStateDrifts(s, curve, length);
  const KeyPoint& peak = curve.keys.peak;
  f.capacity = driftCapacity(s, analysis, peak.exists ? std::optional(peak.M) : std::nullopt,
                             f.hasDrift ? std::optional(f.damageControl.drift) : std::nullopt);
  if (f.hasDrift) f.capacity.stability = stabilityDrift(f.curve, length);
  return f;
}

LimitStateFigures inUnits(const LimitStateFigures& figures, const Units& u) {
  LimitStateFigures f = figures;
  for (Idealisation* i : {&f.idealisation, &f.bySteelYield}) {
    i->My = u.in(Quantity::Moment, i->My);
    i->Mn = u.in(Quantity::Moment, i->Mn);
    i->Ky = u.in(Quantity::Curvature, i->Ky);
    i->phiY = u.in(Quantity::Curvature, i->phiY);
  }
  auto length = [&u](double& v) { v = u.in(Quantity::Length, v); };
  length(f.length);
  length(f.column.L);
  length(f.column.Lsp);
  length(f.column.Lp);
  f.column.phiY = u.in(Quantity::Curvature, f.column.phiY);
  f.column.P0 = u.in(Quantity::Force, f.column.P0);
  length(f.deltaY);
  for (LimitStateDrift* d : {&f.serviceability, &f.damageControl, &f.ultimate}) {
    length(d->delta);
    d->V = u.in(Quantity::Force, d->V);
  }
  for (DriftPoint& p : f.curve) {
    length(p.delta);
    p.V = u.in(Quantity::Force, p.V);
  }
  return f;
}

}  // namespace mphi
