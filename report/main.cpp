// mphi-report: reads a SECTION file written by mphi and gives the key points,
// the Caltrans and Priestley idealisations with their curvature ductility,
// and for a column length its drift capacity; as text or JSON, with an SVG
// plot and a CSV table on request.
#include <iostream>
#include <string>

#include "figures/curve_figures.h"
#include "frontend/command_line.h"
#include "frontend/input_file.h"
#include "frontend/output_file.h"
#include "frontend/tool_status.h"
#include "report/csv_export.h"
#include "report/summary_json.h"
#include "report/summary_text.h"
#include "report/svg_plot.h"
#include "section_file/section_reader.h"

namespace {

constexpr char kTool[] = "mphi-report";

int fail(const std::string& message, int status) {
  return mphi::failWith(kTool, message, status);
}

}  // namespace

int main(int argc, char** argv) {
  std::string input = "SECTION", svgPath, csvPath;
  bool json = false;
  double length = 0;
  CLI::App app{
      "Reads FILE (default SECTION), a results file written by mphi, and prints the section,\n"
      "first yield, peak, ultimate point, how the curve ended, the Caltrans and Priestley\n"
      "idealisations with the curvature ductility, and with --length the drift of a\n"
      "cantilever column (units T, cm).\n"
      "Exit status: 0 done, 1 an output file could not be written, 2 bad arguments or file.",
      kTool};
  app.add_option("FILE", input, "SECTION file written by mphi");
  app.add_option("--svg", svgPath, "also draw the curve as an SVG picture")->type_name("OUT.svg");
  app.add_option("--csv", csvPath, "also write the computed rows as CSV")->type_name("OUT.csv");
  app.add_flag("--json", json, "print one JSON object instead of the text");
  app.add_option("--length", length, "column length L for the drift (cm)")
      ->type_name("L")
      ->check(mphi::positiveNumber());
  mphi::addVersion(app, kTool);
  if (int status = mphi::parseCommandLine(app, argc, argv, kTool); status >= 0) return status;

  std::string text, reason;
  if (!mphi::readWholeFile(input, text, reason)) {
    return fail("cannot open " + input + ": " + reason, mphi::kExitUsage);
  }
  const mphi::ParsedSection parsed = mphi::parseSectionFile(text);
  if (!parsed.ok) {
    return fail(input + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error,
                mphi::kExitUsage);
  }

  const mphi::SectionData& section = parsed.file.section;
  const mphi::Curve& curve = parsed.file.curve;
  const mphi::CurveFigures figures = mphi::specifiedFigures(section, curve, length);
  mphi::Outputs out{kTool};
  mphi::printOutput(
      out, "the summary",
      json ? mphi::summaryJson(section, curve, figures)
           : std::string(kTool) + ": " + input + "\n" + mphi::summaryText(section, curve, figures));
  if (!svgPath.empty()) mphi::writeOutput(out, svgPath, mphi::svgPlot(section, curve, figures));
  if (!csvPath.empty()) mphi::writeOutput(out, csvPath, mphi::csvText(curve));
  return out.status;
}
