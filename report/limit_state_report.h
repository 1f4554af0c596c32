// The report of a curve with limit states: text, JSON and the plot with
// its limit states. Units T and cm; `words` ("assessment model") and
// `name` ("assessment") say which model traced it. Key names of the JSON
// are an interface for scripts: absent parts are null, numbers round-trip
// a double.
#pragma once

#include <string>

#include "curve/curve.h"
#include "figures/limit_states.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

std::string limitStateText(const SectionData& section, const Curve& curve,
                           const LimitStateFigures& figures, const char* words,
                           const Units& units = {});
std::string limitStateJson(const SectionData& section, const Curve& curve,
                           const LimitStateFigures& figures, const char* name,
                           const Units& units = {});
std::string limitStatePlot(const SectionData& section, const Curve& curve,
                           const LimitStateFigures& figures, const char* words,
                           const Units& units = {});

// The key points by their JSON names, in order, with words for a reader.
struct NamedKeyPoint {
  const char* name;   // "first_yield"
  const char* words;  // "first yield"
  const KeyPoint* point;
};
// What set a key point, in words a person reads: "core ecu" is "core
// crushing (εcu)". The JSON keeps the codes.
const char* governedWords(const std::string& governed);

std::vector<NamedKeyPoint> namedKeyPoints(const Curve& curve);

}  // namespace mphi
