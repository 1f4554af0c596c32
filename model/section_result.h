// One section through a model and its figures, in memory: the curve as the
// model traced it, the section and curve the figures are read from (for
// mphi's own model, as SECTION holds them), and the figures. Pure, so the
// front ends run many at once.
#pragma once

#include <string>
#include <vector>

#include "curve/analysis_request.h"
#include "curve/curve.h"
#include "figures/curve_figures.h"
#include "figures/limit_states.h"
#include "section/fault.h"
#include "section/plausibility.h"
#include "section/section_data.h"
#include "section/units.h"
#include "section_file/section_reader.h"

namespace mphi {

struct SectionResult {
  SectionData section;  // as analysed
  Analysis analysis;
  Curve curve;           // as the model traced it
  SectionFile reported;  // what the figures are read from
  CurveFigures figures;  // idealisations and drift at the last row, where the model gives them
  LimitStateFigures limitStates;  // limit states, where the model gives them
  // What is valid but suspect: data far from real columns, limit states
  // past the P-delta stability drift.
  std::vector<Warning> warnings;
};

// What the section data check does not see of a request: tie legs that
// are no whole numbers, explicit bars with a model that takes none, bars
// that are no whole numbers or do not fit.
std::optional<Fault> checkAnalysis(const SectionData& section, const Analysis& analysis);

// `section` after the layout and both checks; `given` how its values were
// typed, for the warnings.
SectionResult analyse(const SectionData& section, const Analysis& analysis,
                      const GivenUnits& given = {});
// The figures of a SECTION file read back, as the model that writes
// SECTION gives them, for the request's length and tie legs.
SectionResult resultOfFile(const SectionFile& file, const Analysis& analysis = {});

// The report's JSON (with the warnings), text and plot of the result, by
// its model.
std::string resultJson(const SectionResult& result, const Units& units = {});
std::string resultText(const SectionResult& result, const Units& units = {});
std::string resultPlot(const SectionResult& result, const Units& units = {});

// "ok", or why the result gives fewer figures: "no equilibrium: the axial
// load exceeds ...", "too few rows to idealise (...)".
std::string resultStatus(const SectionResult& result, const Units& units = {});

// The result columns of a model, from how the curve ended on, each with
// its unit in its name ("Mu_Tcm", "Mu_kNm").
std::vector<std::string> resultHeader(Model model, const Units& units = {});
// Their cells, in the columns of `model` (a result of another model
// leaves the columns it has no figure for empty); a value that does not
// exist is an empty cell.
std::vector<std::string> resultCells(const SectionResult& result, Model model,
                                     const Units& units = {});

}  // namespace mphi
