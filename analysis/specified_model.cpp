#include "analysis/specified_model.h"

#include "analysis/curvature_stepping.h"
#include "section/bar_layout.h"

namespace mphi {

Curve curveFromTable(const std::vector<TableRow>& rows, float My, float Ky, double tensionDepth) {
  Curve curve;
  curve.tableRows = static_cast<int>(rows.size());
  curve.tensionDepth = tensionDepth;
  curve.points.push_back({0, 0, 0, 0, 1});
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const TableRow& r = rows[i];
    if (r.k == 0 && r.m == 0 && r.e == 0 && r.c == 0) continue;
    curve.points.push_back({r.k, r.m, r.e, r.c, static_cast<int>(i) + 1});
  }
  KeyPoints& keys = curve.keys;
  if (My != 0 || Ky != 0) {
    keys.firstYield.exists = true;
    keys.firstYield.governed = "steel ey";
    keys.firstYield.M = My;
    keys.firstYield.phi = Ky;
  }
  if (curve.points.size() > 1) {
    const CurvePoint* peak = &curve.points[1];
    for (const CurvePoint& p : curve.points) {
      if (p.row > 1 && p.M > peak->M) peak = &p;
    }
    keys.peak = keyPointAt(*peak);
    keys.ultimate = keyPointAt(curve.points.back());
  }
  return curve;
}

std::vector<TableRow> tableOf(const Curve& curve) {
  std::vector<TableRow> rows(static_cast<std::size_t>(curve.tableRows));
  for (const CurvePoint& p : curve.points) {
    if (p.row < 1 || p.row > curve.tableRows) continue;
    rows[static_cast<std::size_t>(p.row) - 1] = {static_cast<float>(p.phi), static_cast<float>(p.M),
                                                 static_cast<float>(p.eps),
                                                 static_cast<float>(p.c)};
  }
  return rows;
}

Curve specifiedCurve(const SectionData& section) {
  const Materials materials = deriveMaterials(section);
  const SectionModel model = makeSectionModel(section, materials);
  CurveState state;
  const int count = traceCurve(model, section, state);
  const ResultsTable& t = state.table;
  std::vector<TableRow> rows;
  for (int i = 1; i <= count; ++i) rows.push_back({t.k[i], t.m[i], t.e[i], t.c[i]});
  Curve curve = curveFromTable(rows, state.My, state.Ky, tensionLayerDepth(section));
  curve.end = state.ending;
  curve.keys.firstYield.row = state.yieldRow;
  curve.events = std::move(state.events);
  // A search that gave up left its row's forces out of balance: no result.
  for (const StepEvent& e : curve.events) {
    if (e.kind != StepEventKind::OutOfTrials) continue;
    for (CurvePoint& p : curve.points) p.balanced = p.balanced && p.row != e.row;
  }
  MaterialConstants& c = curve.constants;
  c.fc1 = materials.fc1;
  c.fcc = materials.fcc;
  c.ecc = materials.ecc;
  c.Ec = materials.Ec;
  c.rcc = materials.rcc;
  c.fy = materials.fy;
  c.ey = materials.ey;
  c.esh = materials.esh;
  c.esu = materials.e40;
  c.fu = 1.25 * static_cast<double>(materials.fy);
  return curve;
}

}  // namespace mphi
