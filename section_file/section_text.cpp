#include "section_file/section_text.h"

namespace mphi {
namespace {

constexpr std::size_t kFirstRecordValues = 12;  // b to clearb1cm

}  // namespace

std::vector<const SectionValue*> echoRecord(int record) {
  std::vector<const SectionValue*> values;
  for (const SectionValue& v : sectionValues()) {
    if (v.echoName != nullptr) values.push_back(&v);
  }
  if (record == 1) values.resize(kFirstRecordValues);
  if (record == 2) values.erase(values.begin(), values.begin() + kFirstRecordValues);
  return values;
}

std::string echoNames(int record) {
  std::string names;
  for (const SectionValue* v : echoRecord(record))
    names += (names.empty() ? "" : ",") + std::string(v->echoName);
  return names;
}

}  // namespace mphi
