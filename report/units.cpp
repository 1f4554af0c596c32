#include "report/units.h"

#include "section/units.h"

namespace mphi {
namespace {

constexpr double kKilonewtonsPerTon = kNewtonsPerTon / 1000.0;  // 9.81
constexpr double kMetresPerCm = 1 / static_cast<double>(kCmPerM);

double factor(UnitSystem system, Quantity q) {
  if (system == UnitSystem::TonCm) return 1;
  const double force = system == UnitSystem::SI ? kKilonewtonsPerTon : 1;
  switch (q) {
    case Quantity::Force:
      return force;
    case Quantity::Length:
      return kMetresPerCm;
    case Quantity::Moment:
      return force * kMetresPerCm;
    case Quantity::Stress:
      return system == UnitSystem::SI ? 1 / static_cast<double>(kTonPerCm2InMPa)
                                      : static_cast<double>(kCmPerM) * kCmPerM;
    case Quantity::Curvature:
      return kCmPerM;
    case Quantity::Stiffness:
      return force * kMetresPerCm * kMetresPerCm;
    case Quantity::Area:
      return kMetresPerCm * kMetresPerCm;
  }
  return 1;
}

struct Names {
  const char* text;
  const char* picture;
  const char* key;
};

Names names(UnitSystem system, Quantity q) {
  const bool si = system == UnitSystem::SI, cm = system == UnitSystem::TonCm;
  switch (q) {
    case Quantity::Force:
      return si ? Names{"kN", "kN", "kN"} : Names{"T", "T", "T"};
    case Quantity::Length:
      return cm ? Names{"cm", "cm", "cm"} : Names{"m", "m", "m"};
    case Quantity::Moment:
      if (si) return {"kN.m", "kN\xC2\xB7m", "kNm"};
      return cm ? Names{"T.cm",
                        "T\xC2\xB7"
                        "cm",
                        "Tcm"}
                : Names{"T.m", "T\xC2\xB7m", "Tm"};
    case Quantity::Stress:
      if (si) return {"MPa", "MPa", "MPa"};
      return cm ? Names{"T/cm2", "T/cm\xC2\xB2", "Tcm2"} : Names{"T/m2", "T/m\xC2\xB2", "Tm2"};
    case Quantity::Curvature:
      return cm ? Names{"1/cm", "1/cm", "per_cm"} : Names{"1/m", "1/m", "per_m"};
    case Quantity::Stiffness:
      if (si) return {"kN.m2", "kN\xC2\xB7m\xC2\xB2", "kNm2"};
      return cm ? Names{"T.cm2",
                        "T\xC2\xB7"
                        "cm\xC2\xB2",
                        "Tcm2"}
                : Names{"T.m2", "T\xC2\xB7m\xC2\xB2", "Tm2"};
    case Quantity::Area:
      return cm ? Names{"cm2", "cm\xC2\xB2", "cm2"} : Names{"m2", "m\xC2\xB2", "m2"};
  }
  return {"", "", ""};
}

}  // namespace

double Units::in(Quantity q, double value) const {
  return base() ? value : value * factor(system, q);
}

double Units::from(Quantity q, double value) const {
  return base() ? value : value / factor(system, q);
}

std::string Units::text(Quantity q) const {
  return names(system, q).text;
}

std::string Units::picture(Quantity q) const {
  return names(system, q).picture;
}

std::string Units::key(Quantity q) const {
  return names(system, q).key;
}

const char* unitsName(UnitSystem system) {
  switch (system) {
    case UnitSystem::TonCm:
      return "t-cm";
    case UnitSystem::TonM:
      return "t-m";
    case UnitSystem::SI:
      break;
  }
  return "si";
}

bool unitsNamed(const std::string& name, Units& units) {
  for (UnitSystem s : {UnitSystem::TonCm, UnitSystem::TonM, UnitSystem::SI}) {
    if (name == unitsName(s)) {
      units.system = s;
      return true;
    }
  }
  return false;
}

SectionData inUnits(const SectionData& s, const Units& u) {
  SectionData c = s;
  for (float* v : {&c.b, &c.h, &c.dcm, &c.clearb1cm, &c.dbcm, &c.sccm}) {
    *v = static_cast<float>(u.in(Quantity::Length, *v));
  }
  for (float* v : {&c.fc, &c.fy, &c.fsy, &c.Es})
    *v = static_cast<float>(u.in(Quantity::Stress, *v));
  c.P0 = static_cast<float>(u.in(Quantity::Force, c.P0));
  return c;
}

Curve inUnits(const Curve& curve, const Units& u) {
  Curve c = curve;
  auto length = [&u](double& v) { v = u.in(Quantity::Length, v); };
  for (CurvePoint& p : c.points) {
    p.phi = u.in(Quantity::Curvature, p.phi);
    p.M = u.in(Quantity::Moment, p.M);
    length(p.c);
  }
  for (KeyPoint* k : {&c.keys.firstYield, &c.keys.tensionSteelYield, &c.keys.serviceability,
                      &c.keys.peak, &c.keys.damageControl, &c.keys.ultimate}) {
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

AssessmentFigures inUnits(const AssessmentFigures& figures, const Units& u) {
  AssessmentFigures f = figures;
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
