// A laboratory column test and the section data it maps to: the cover to
// the tie (or spiral) centre line as clearb1cm, the bar and tie (spiral)
// diameters and spacing (pitch), strengths from MPa by x 0.0102 (T/cm2),
// the load from kN by / 9.81 (T), lengths from mm (cm), Es 200 GPa. A
// rectangular test (validation/columns.csv): r for the specified model,
// n_face and n_side as the assessment model's bars, n_legs as the tie legs
// in both directions. A spiral test (validation/spiral-columns.csv, its
// D_mm column): D as b and h, n_bars round the circle, a spiral.
#pragma once

#include <string>
#include <vector>

#include "curve/analysis_request.h"
#include "section/section_data.h"

namespace mphi {

struct Specimen {
  std::string id;
  std::string failure;    // "Flexure" or "Flexure-Shear"
  std::string driftFlag;  // "both", "one_dir" or "not_reached"
  SectionData section;    // the 22 values' given ones, before the layout
  BarCounts bars;
  TieLegs legs;            // the same legs in each direction, as the tests give them
  double circleBars = 0;   // a spiral column's bars; 0 for a rectangular one
  double lengthCm = 0;     // the equivalent cantilever
  double feffMaxKn = 0;    // the largest effective lateral force measured
  double driftCapPct = 0;  // measured drift capacity, per cent
};

// The header and one row of the table, cells by the table's names; false
// with the missing column or bad cell in `error`.
bool specimenOf(const std::vector<std::string>& header, const std::vector<std::string>& row,
                Specimen& specimen, std::string& error);

// Es of every test: 200 GPa, in T/cm2.
constexpr float kTestModulus = 2040.0f;

}  // namespace mphi
