#include "driver/console_lines.h"

#include "driver/channels.h"

namespace mphi {
namespace {

// The values were worked out as floats; the records print them as such.
void strainRecord(RecordWriter& w, const char* what, const char* name, double strain) {
  beginRecord(w, kStdoutChannel);
  putText(w, what);
  if (name != nullptr) putText(w, name);
  putReal(w, static_cast<float>(strain));
  endRecord(w);
}

}  // namespace

void writeConsoleLines(RecordWriter& w, const Curve& curve) {
  beginRecord(w, kStdoutChannel);
  putText(w, "fcc,fc1");
  putDouble(w, curve.constants.fcc);
  putReal(w, static_cast<float>(curve.constants.fc1));
  endRecord(w);
  for (const StepEvent& e : curve.events) {
    switch (e.kind) {
      case StepEventKind::PastRowLimit:
        writeTextRecord(w, kStdoutChannel, kPastRowLimit);
        break;
      case StepEventKind::OutOfTrials:
        strainRecord(w, "Ecm ", nullptr, e.value);
        break;
      case StepEventKind::CompressionBarsFailed:
        strainRecord(w, kCompressionBarsFailed, "Es1=", e.value);
        break;
      case StepEventKind::TensionBarsFailed:
        strainRecord(w, kTensionBarsFailed, "Es8=", e.value);
        break;
    }
  }
  if (curve.end == CurveEnd::PointEightMu) writeTextRecord(w, kStdoutChannel, kReachedPointEight);
  if (curve.end == CurveEnd::NoEquilibrium) writeTextRecord(w, kStdoutChannel, kNoEquilibrium);
}

}  // namespace mphi
