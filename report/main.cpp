// mphi-report: reads a SECTION file written by mphi and prints the key
// points, an idealised bilinear curve with the curvature ductility, and on
// request an SVG plot and a CSV table.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "report/csv_export.h"
#include "report/curve_summary.h"
#include "report/section_file.h"
#include "report/svg_plot.h"

namespace {

constexpr int kBadInput = 2;  // unusable arguments or SECTION file
constexpr int kWriteFailed = 1;

const char* const kUsage =
    "usage: mphi-report [FILE] [--svg OUT.svg] [--csv OUT.csv]\n"
    "  Reads FILE (default SECTION), a results file written by mphi, and prints\n"
    "  the section, first yield, peak, ultimate point, how the curve ended, an\n"
    "  equal-area elastic-perfectly-plastic idealisation and the curvature\n"
    "  ductility (units T, cm).\n"
    "  --svg OUT.svg  also draw the curve as an SVG picture\n"
    "  --csv OUT.csv  also write the table as CSV, one line per SECTION row\n";

int fail(const std::string& message, int status) {
  std::cerr << "mphi-report: " << message << "\n";
  return status;
}

bool writeFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  std::string input = "SECTION", svgPath, csvPath;
  bool inputGiven = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--svg" || arg == "--csv") {
      if (i + 1 >= argc) return fail(arg + " needs a file name\n" + kUsage, kBadInput);
      (arg == "--svg" ? svgPath : csvPath) = argv[++i];
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return fail("unknown option " + arg + "\n" + kUsage, kBadInput);
    } else if (inputGiven) {
      return fail("only one input file may be given\n" + std::string(kUsage), kBadInput);
    } else {
      input = arg;
      inputGiven = true;
    }
  }

  std::error_code error;
  if (std::filesystem::is_directory(input, error)) {
    return fail("cannot open " + input + ": " + std::strerror(EISDIR), kBadInput);
  }
  std::ifstream in(input, std::ios::binary);
  if (!in) return fail("cannot open " + input + ": " + std::strerror(errno), kBadInput);
  std::stringstream text;
  text << in.rdbuf();
  if (in.bad()) return fail("cannot read " + input, kBadInput);
  const mphi::ParsedSection parsed = mphi::parseSectionFile(text.str());
  if (!parsed.ok) {
    return fail(input + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error, kBadInput);
  }

  const mphi::CurveSummary summary = mphi::summariseCurve(parsed.file);
  std::cout << "mphi-report: " << input << "\n" << mphi::summaryText(parsed.file, summary);
  std::cout.flush();
  int status = 0;
  if (!svgPath.empty() && !writeFile(svgPath, mphi::svgPlot(parsed.file, summary))) {
    status = fail("cannot write " + svgPath, kWriteFailed);
  }
  if (!csvPath.empty() && !writeFile(csvPath, mphi::csvText(parsed.file))) {
    status = fail("cannot write " + csvPath, kWriteFailed);
  }
  if (!std::cout) status = fail("cannot write the summary", kWriteFailed);
  return status;
}
