#include "frontend/section_source.h"

#include "analysis/section_check.h"
#include "frontend/input_file.h"
#include "frontend/tool_status.h"
#include "section/section_input.h"
#include "textio/number_reader.h"

namespace mphi {

SectionSource readSectionSource(const std::string& path) {
  SectionSource in;
  const bool standardInput = path == "-";
  const std::string name = standardInput ? "standard input" : path;
  std::string text, reason;
  if (!readWholeFile(path, text, reason)) {
    in.status = standardInput ? kErrorDuringRead : kExitUsage;
    in.error = (standardInput ? "cannot read " : "cannot open ") + name + ": " + reason;
    return in;
  }
  const ReadResult read = readSectionValues(text, in.section);
  if (read.diagnostic != 0) {
    in.status = read.diagnostic;
    in.error = name + ": " + readFailureText(read);
    return in;
  }
  if (const std::optional<Fault> fault = prepareSection(in.section)) {
    in.status = kExitInvalidData;
    in.error = name + ": " + invalidDataText(*fault, in.section);
  }
  return in;
}

}  // namespace mphi
