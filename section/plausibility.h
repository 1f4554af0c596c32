// Values that pass the data check but lie far from real columns, most
// likely typed in another unit. Each gives a warning, not a refusal: the
// analysis still runs. A warning names the value as it was given (its
// name and unit) and, where one unit would bring it into the range, the
// likely slip: "fc_MPa = 0.28 MPa is outside 10 to 120 MPa: is it in
// T/cm2?".
#pragma once

#include <string>
#include <vector>

#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

// A value that is valid but suspect, and the field it is about ("fc";
// "P0"; "drift" for what the curve says).
struct Warning {
  std::string field;
  std::string text;
};

// A value as it was typed: "fc_MPa = 0.28 MPa" (`value` in mphi's unit),
// and the amount alone in that unit: "0.28 MPa".
std::string givenText(const GivenUnit& given, double value);
std::string givenAmount(const GivenUnit& given, double value);

// fc outside 10 to 120 MPa, fy outside 200 to 1000 MPa, fsy outside 150
// to 1500 MPa, Es outside 150 to 250 GPa; a main bar over a sixth of the
// section's smaller side; ties spaced wider than that side. `section` in
// mphi's units; `given` how its values were typed.
std::vector<Warning> plausibilityWarnings(const SectionData& section, const GivenUnits& given = {});

}  // namespace mphi
