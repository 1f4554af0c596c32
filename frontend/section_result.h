// One section through a model and its figures, in memory: the curve, for
// the specified model the section and curve as SECTION holds them with
// mphi-report's figures of that SECTION, for the assessment model its
// limit states. Pure, so the front ends run many at once.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "assessment/assessment_section.h"
#include "curve/curve.h"
#include "figures/curve_figures.h"
#include "figures/limit_states.h"
#include "section/fault.h"
#include "section/section_data.h"
#include "section/units.h"
#include "section_file/section_reader.h"

namespace mphi {

enum class Model { Specified, Assessment };

// "spec", "assessment".
const char* modelName(Model model);
bool modelNamed(const std::string& name, Model& model);

// What to work out for a section.
struct Analysis {
  Model model = Model::Specified;
  std::optional<BarCounts> bars;  // explicit bars, assessment model only
  double length = 0;              // column length for the drift, cm; 0 for none
};

// What the section data check does not see: explicit bars with the
// specified model, bars that are no whole numbers or do not fit.
std::optional<Fault> checkAnalysis(const SectionData& section, const Analysis& analysis);

struct SectionResult {
  SectionData section;  // as analysed
  Analysis analysis;
  Curve curve;                   // as the model traced it
  SectionFile written;           // specified model: what SECTION holds of both
  CurveFigures figures;          // specified model: mphi-report's, of `written`
  AssessmentFigures assessment;  // assessment model
};

// `section` after the layout and both checks.
SectionResult analyse(const SectionData& section, const Analysis& analysis);
// The specified model.
SectionResult analyseForReport(const SectionData& section, double length = 0);

// The section and curve the figures come from: SECTION's values for the
// specified model, the model's own for the assessment model.
const SectionData& reportedSection(const SectionResult& result);
const Curve& reportedCurve(const SectionResult& result);

// mphi-report's JSON of the result: of SECTION's values for the
// specified model, with the limit states for the assessment model.
std::string resultJson(const SectionResult& result, const Units& units = {});

// "ok", or why the result gives fewer figures: "no equilibrium: the axial
// load exceeds ...", "too few rows to idealise (...)".
std::string resultStatus(const SectionResult& result, const Units& units = {});

// A load for a table, in the units' force: the shortest decimal that gives
// back the stored float (tons) exactly.
std::string loadText(float P0, const Units& units);
// A load in the units' force, stored as tons the way an input value is.
float loadOf(double value, const Units& units);

// The result columns of a model, from how the curve ended on, each with
// its unit in its name ("Mu_Tcm", "Mu_kNm").
std::vector<std::string> resultHeader(Model model, const Units& units = {});
// Their cells, in the columns of `model` (a result of the other model
// leaves the columns it has no figure for empty); a value that does not
// exist is an empty cell.
std::vector<std::string> resultCells(const SectionResult& result, Model model,
                                     const Units& units = {});

}  // namespace mphi
