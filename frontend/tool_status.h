// What every tool does when something is wrong: one line on standard error,
// "TOOL: what went wrong, and where", and one of these exit statuses.
#pragma once

#include <string>
#include <vector>

#include "section/fault.h"
#include "section/plausibility.h"
#include "section/section_data.h"
#include "textio/exit_status.h"

namespace mphi {

// Reading the 22 values of a section ends with the reader's own numbers,
// as mphi's does: 24 (input ends early), 39 (cannot read), 59 (not a
// number), 64 (quoted text).

// Writes "TOOL: message" on standard error; returns `status`.
int failWith(const std::string& tool, const std::string& message, int status);

// Writes "TOOL: warning: text" on standard error for each warning.
void warnAll(const std::string& tool, const std::vector<Warning>& warnings);

// The same with the hint of a value typed in the wrong unit, where one is,
// and every given value with its unit, named as typed (`given`): "r = 2:
// main steel area exceeds ...; r is a ratio (0.02, not 2)". Where the slip
// made a derived constant fail, the user's value and the hint come first:
// "fc = 28 T/cm2: fc is in T/cm2 (0.28, not 28); that makes rcc = ...".
std::string invalidDataText(const Fault& fault, const SectionData& section,
                            const GivenUnits& given = {});

}  // namespace mphi
