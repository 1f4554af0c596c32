#include "analysis/results_report.h"

#include "textio/channels.h"

namespace mphi {

void writeConsoleText(RecordWriter& console, const std::string& text) {
  writeTextRecord(console, kStdoutChannel, text);
}

void writeStrengthLine(RecordWriter& console, double fcc, float fc1) {
  beginRecord(console, kStdoutChannel);
  putText(console, "fcc,fc1");
  putDouble(console, fcc);
  putReal(console, fc1);
  endRecord(console);
}

void writeStrainLine(RecordWriter& console, float Ecm) {
  beginRecord(console, kStdoutChannel);
  putText(console, "Ecm ");
  putReal(console, Ecm);
  endRecord(console);
}

void writeFailureLine(RecordWriter& console, const std::string& what, const char* name,
                      float strain) {
  beginRecord(console, kStdoutChannel);
  putText(console, what);
  putText(console, name);
  putReal(console, strain);
  endRecord(console);
}

void writeReport(RecordWriter& w, const Curve& s) {
  writeTextRecord(w, kSectionChannel, kTableHeader);
  for (const CurveRow& r : s.rows) {
    beginRecord(w, kSectionChannel);
    for (float v : {r.k, r.m, r.e, r.c}) putReal(w, v);
    endRecord(w);
  }
  writeTextRecord(w, kSectionChannel, kYieldLabel);
  beginRecord(w, kSectionChannel);
  putText(w, std::string(kYieldIndent, ' '));
  putReal(w, s.My);
  putText(w, "  ");
  putReal(w, s.Ky);
  endRecord(w);
}

}  // namespace mphi
