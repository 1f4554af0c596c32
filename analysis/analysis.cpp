#include "analysis/analysis.h"

#include "analysis/curvature_stepping.h"
#include "analysis/results_report.h"
#include "textio/channels.h"

namespace mphi {
namespace {

void keepConsoleLine(void* curve, int, const char* line, std::size_t length) {
  static_cast<Curve*>(curve)->console.emplace_back(line, length);
}

}  // namespace

const char* endingName(CurveEnding ending) {
  switch (ending) {
    case CurveEnding::PointEightMu:
      return "0.8Mu";
    case CurveEnding::CompressionBars:
      return "compression_bars";
    case CurveEnding::TensionBars:
      return "tension_bars";
    case CurveEnding::NoEquilibrium:
      return "no_equilibrium";
    case CurveEnding::TableFull:
      break;
  }
  return "table_full";
}

Curve computeCurve(const SectionData& section) {
  Curve curve;
  RecordWriter console = makeRecordWriter(keepConsoleLine, &curve);
  const Materials materials = deriveMaterials(section);
  writeStrengthLine(console, materials.fcc, materials.fc1);
  const SectionModel model = makeSectionModel(section, materials);
  CurveState state;
  const int rows = traceCurve(model, section, state, console);
  const ResultsTable& t = state.table;
  for (int i = 1; i <= rows; ++i) curve.rows.push_back({t.k[i], t.m[i], t.e[i], t.c[i]});
  curve.My = state.My;
  curve.Ky = state.Ky;
  curve.yielded = state.yieldFlag != 0;
  curve.ending = state.ending;
  return curve;
}

void writeCurve(RecordWriter& writer, const Curve& curve) {
  for (const std::string& line : curve.console) writeLine(writer, kStdoutChannel, line);
  writeReport(writer, curve);
}

void analyseSection(const SectionData& section, RecordWriter& writer) {
  writeCurve(writer, computeCurve(section));
}

}  // namespace mphi
