#include "curve/curve.h"

namespace mphi {

const char* endName(CurveEnd end) {
  switch (end) {
    case CurveEnd::PointEightMu:
      return "0.8Mu";
    case CurveEnd::CompressionBars:
      return "compression_bars";
    case CurveEnd::TensionBars:
      return "tension_bars";
    case CurveEnd::CoreCrushing:
      return "core_crushing";
    case CurveEnd::BarFracture:
      return "bar_fracture";
    case CurveEnd::AxialCapacity:
      return "axial_capacity";
    case CurveEnd::NoEquilibrium:
      return "no_equilibrium";
    case CurveEnd::TableFull:
      return "table_full";
    case CurveEnd::RowCap:
      return "row_cap";
    case CurveEnd::NotKnown:
      break;
  }
  return "";
}

const char* confinementName(Confinement confinement) {
  switch (confinement) {
    case Confinement::Rectangular:
      return "rectangular";
    case Confinement::Circular:
      return "circular";
    case Confinement::EquivalentCircle:
      break;
  }
  return "equivalent_circle";
}

Curve inUnits(const Curve& curve, const Units& u) {
  Curve c = curve;
  auto length = [&u](double& v) { v = u.in(Quantity::Length, v); };
  for (CurvePoint& p : c.points) {
    p.phi = u.in(Quantity::Curvature, p.phi);
    p.M = u.in(Quantity::Moment, p.M);
    length(p.c);
  }
  for (KeyPoint* k :
       {&c.keys.firstYield, &c.keys.tensionSteelYield, &c.keys.serviceability, &c.keys.peak,
        &c.keys.damageControl, &c.keys.ultimate, &c.keys.strengthLoss}) {
    k->phi = u.in(Quantity::Curvature, k->phi);
    k->M = u.in(Quantity::Moment, k->M);
    length(k->c);
  }
  for (BarRow& l : c.layers) {
    length(l.depth);
    l.area = u.in(Quantity::Area, l.area);
  }
  length(c.barInset);
  length(c.tensionDepth);
  return c;
}

KeyPoint keyPointAt(const CurvePoint& p) {
  KeyPoint k;
  k.exists = true;
  k.eps = p.eps;
  k.c = p.c;
  k.phi = p.phi;
  k.M = p.M;
  k.row = p.row;
  return k;
}

}  // namespace mphi
