// The tools' command lines: CLI11 with one-line errors and exit status 2.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "frontend/section_result.h"
#include "textio/version.h"

namespace mphi {

// A number that must be finite and positive; its message names the value.
CLI::Validator positiveNumber();

// --model, --bars-face, --bars-side, --length and --units: the same words
// for the same things in every tool.
struct AnalysisOptions {
  std::string model = "spec";
  CLI::Option* barsFace = nullptr;
  CLI::Option* barsSide = nullptr;
  double face = 0, side = 0;
  double length = 0;  // in the units' length
  std::string units = "t-cm";
};
void addAnalysisOptions(CLI::App& app, AnalysisOptions& options);
// What they ask for (the length in cm); false with the message when they
// do not go together.
bool analysisOf(const AnalysisOptions& options, Analysis& analysis, std::string& error);
Units unitsOf(const AnalysisOptions& options);

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
