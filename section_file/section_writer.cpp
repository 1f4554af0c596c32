#include "section_file/section_writer.h"

#include "analysis/specified_model.h"
#include "section_file/section_text.h"

namespace mphi {
namespace {

void keepLine(void* text, int, const char* line, std::size_t length) {
  static_cast<std::string*>(text)->append(line, length).append("\r\n");
}

}  // namespace

void writeEcho(RecordWriter& w, int channel, const SectionData& s) {
  writeTextRecord(w, channel, kEchoTitle);
  for (int record : {1, 2}) {
    writeTextRecord(w, channel, echoNames(record));
    beginRecord(w, channel);
    for (const SectionValue* v : echoRecord(record)) putReal(w, s.*v->member);
    endRecord(w);
  }
}

void writeResults(RecordWriter& w, int channel, const Curve& curve) {
  writeTextRecord(w, channel, kTableHeader);
  for (const TableRow& r : tableOf(curve)) {
    beginRecord(w, channel);
    for (float v : {r.k, r.m, r.e, r.c}) putReal(w, v);
    endRecord(w);
  }
  writeTextRecord(w, channel, kYieldLabel);
  const KeyPoint& yield = curve.keys.firstYield;
  beginRecord(w, channel);
  putText(w, std::string(kYieldIndent, ' '));
  putReal(w, yield.exists ? static_cast<float>(yield.M) : 0.0f);
  putText(w, "  ");
  putReal(w, yield.exists ? static_cast<float>(yield.phi) : 0.0f);
  endRecord(w);
}

std::string sectionText(const SectionData& section, const Curve& curve) {
  std::string text;
  RecordWriter writer = makeRecordWriter(keepLine, &text);
  writeEcho(writer, 0, section);
  writeResults(writer, 0, curve);
  return text;
}

}  // namespace mphi
