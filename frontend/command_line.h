// The tools' command lines: CLI11 with one-line errors and exit status 2.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "curve/analysis_request.h"
#include "section/section_data.h"
#include "section/units.h"
#include "textio/version.h"

namespace mphi {

// --model, --bars-face, --bars-side, --legs-b, --legs-h, --length,
// --shape, --bars, --transverse and --units: the same words for the same
// things in every tool, read by the one request parser.
struct AnalysisOptions {
  // As typed; empty when not given.
  std::string model, face, side, legsB, legsH, length, shape, circleBars, transverse;
  std::string units = "t-cm";
};
void addAnalysisOptions(CLI::App& app, AnalysisOptions& options);
// What they ask for (the length in cm); false with the message, naming the
// option, when they cannot be read or the model cannot take them.
bool analysisOf(const AnalysisOptions& options, Analysis& analysis, std::string& error);
Units unitsOf(const AnalysisOptions& options);
// "--length: L = 300 m is 857 times the section depth h = 0.35 m (...);
// --length is in m with --units si", or empty where the length suits the
// section (or none is given).
std::string lengthError(const SectionData& section, const Analysis& analysis,
                        const AnalysisOptions& options);

// "P1,P2,..." in the units' force, each stored in tons as an input value
// would be; false with the first item that is not a finite number in `bad`.
bool parseLoads(const std::string& text, const Units& units, std::vector<float>& loads,
                std::string& bad);

// Adds --version to `app`.
void addVersion(CLI::App& app, const std::string& tool);
// Parses; returns -1 to go on, or the status to exit with (0 after --help
// or --version, 2 after an error, named on one line of standard error).
int parseCommandLine(CLI::App& app, int argc, char** argv, const std::string& tool);

}  // namespace mphi
