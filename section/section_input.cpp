#include "section/section_input.h"

#include "section/section_values.h"
#include "textio/line_source.h"

namespace mphi {
namespace {

const char* nameAt(int position) {
  for (const SectionValue& v : sectionValues()) {
    for (int p : v.positions) {
      if (p == position) return v.name;
    }
  }
  return "";
}

}  // namespace

ReadResult readSectionValues(NumberReader& reader, SectionData& s) {
  float* targets[kInputValues] = {};
  for (const SectionValue& v : sectionValues()) {
    for (int p : v.positions) {
      if (p > 0) targets[p - 1] = &(s.*v.member);
    }
  }
  std::size_t reached = 0;
  ReadResult result;
  result.diagnostic = readReals(reader, targets, kInputValues, &reached);
  result.position = static_cast<int>(reached) + 1;
  return result;
}

ReadResult readSectionValues(const std::string& text, SectionData& section) {
  StringBytes bytes{text, 0};
  NumberReader reader{makeLineSource(readStringBytes, &bytes)};
  return readSectionValues(reader, section);
}

std::string readFailureText(const ReadResult& r) {
  const std::string value = "value " + std::to_string(r.position) + " (" + nameAt(r.position) + ")";
  switch (r.diagnostic) {
    case kEndOfFileDuringRead:
      return "the input ends before " + value + ": 22 values are needed";
    case kSyntaxError:
      return value + " is not a number";
    case kConversionError:
      return value + " is quoted text where a number is expected";
    case kErrorDuringRead:
      return "the input cannot be read";
  }
  return "the input cannot be read";
}

}  // namespace mphi
