// The report of an assessment-model curve: text, JSON and the plot with
// its limit states. Units T and cm. Key names of the JSON are an interface
// for scripts: absent parts are null, numbers round-trip a double.
#pragma once

#include <string>

#include "curve/curve.h"
#include "figures/limit_states.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

std::string assessmentText(const SectionData& section, const Curve& curve,
                           const AssessmentFigures& figures, const Units& units = {});
std::string assessmentJson(const SectionData& section, const Curve& curve,
                           const AssessmentFigures& figures, const Units& units = {});
std::string assessmentPlot(const SectionData& section, const Curve& curve,
                           const AssessmentFigures& figures, const Units& units = {});

// The key points by their JSON names, in order, with words for a reader.
struct NamedKeyPoint {
  const char* name;   // "first_yield"
  const char* words;  // "first yield"
  const KeyPoint* point;
};
std::vector<NamedKeyPoint> namedKeyPoints(const Curve& curve);

}  // namespace mphi
