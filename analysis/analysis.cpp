#include "analysis/analysis.h"

#include "analysis/curvature_stepping.h"
#include "analysis/results_report.h"

namespace mphi {

void analyseSection(const SectionData& section, RecordWriter& writer) {
  const Materials materials = deriveMaterials(section);
  writeStrengthLine(writer, materials.fcc, materials.fc1);
  const SectionModel model = makeSectionModel(section, materials);
  CurveState state;
  const int rows = traceCurve(model, section, state, writer);
  writeReport(writer, state, rows);
}

}  // namespace mphi
