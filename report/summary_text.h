// The report as plain text lines, units T and cm.
#pragma once

#include <string>

#include "curve/curve.h"
#include "figures/curve_figures.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

// `section` and `curve` as SECTION holds them; `figures` of those.
std::string summaryText(const SectionData& section, const Curve& curve, const CurveFigures& figures,
                        const Units& units = {});

// "b × h = 40 × 35" or "D = 60": the section's size, its numbers as they
// are in `section` (the unit follows).
std::string sizeWords(const SectionData& section, SectionShape shape);

// How a curve ended, in words for a reader: "the moment fell below 0.8 of
// its peak (0.8 Mu)".
const char* endWords(CurveEnd end);
// The same, with what a curve without equilibrium means for this section:
// "no equilibrium: the axial load exceeds what the section can carry
// (about Po = 362.5 T)".
std::string endExplanation(const SectionData& section, const Curve& curve, const Units& units = {});

// Where the figures stop short of the model's rows, and why, or empty:
// "bar_failure: the outermost tension bars reached their failure strain
// 40 ey (-0.1277) at row 37; the figures end at row 36".
std::string stopText(const SectionData& section, const Curve& curve, const Units& units = {});

// Why a curve gives fewer figures than it might, or empty: where they stop,
// no result at all, or too few rows to idealise.
std::string figuresNote(const SectionData& section, const Curve& curve, bool tooFewRows,
                        const Units& units = {});

}  // namespace mphi
