// mphi-report: the figures of a moment-curvature curve, read from a SECTION
// file written by mphi or worked out in process from mphi's 22 values with
// any model: key points, idealisations with the curvature ductility and,
// for a column length, the drift; as text or JSON, with an SVG plot and a
// CSV table on request.
#include <iostream>
#include <string>

#include "frontend/command_line.h"
#include "frontend/input_file.h"
#include "frontend/output_file.h"
#include "frontend/section_source.h"
#include "frontend/tool_status.h"
#include "model/model_table.h"
#include "model/section_result.h"
#include "report/csv_export.h"
#include "section_file/section_reader.h"
#include "section_file/section_writer.h"

namespace {

constexpr char kTool[] = "mphi-report";

int fail(const std::string& message, int status) {
  return mphi::failWith(kTool, message, status);
}

struct Wanted {
  std::string file = "SECTION", input;
  bool json = false;
  std::string svg, csv, out;
  mphi::AnalysisOptions analysis;
};

void addOptions(CLI::App& app, Wanted& w) {
  auto* fileOption = app.add_option("FILE", w.file, "SECTION file written by mphi");
  app.add_option("--input", w.input, "the 22 input values, as for mphi (- for standard input)")
      ->type_name("IN")
      ->excludes(fileOption);
  mphi::addAnalysisOptions(app, w.analysis);
  app.add_option("--svg", w.svg, "also draw the curve as an SVG picture")->type_name("OUT.svg");
  app.add_option("--csv", w.csv, "also write the computed rows as CSV")->type_name("OUT.csv");
  app.add_option("--out", w.out, "with --input and mphi's own model: write DIR/SECTION")
      ->type_name("DIR");
  app.add_flag("--json", w.json, "print one JSON object instead of the text");
  mphi::addVersion(app, kTool);
}

// The result of SECTION file `file`, or the status to exit with.
int readFile(const std::string& file, const mphi::Analysis& analysis, mphi::SectionResult& r) {
  std::string text, reason;
  if (!mphi::readWholeFile(file, text, reason)) {
    return fail("cannot open " + file + ": " + reason, mphi::kExitUsage);
  }
  const mphi::ParsedSection parsed = mphi::parseSectionFile(text);
  if (!parsed.ok) {
    return fail(file + ":" + std::to_string(parsed.errorLine) + ": " + parsed.error,
                mphi::kExitUsage);
  }
  r = mphi::resultOfFile(parsed.file, analysis);
  return -1;
}

// The result of the 22 values of --input, with DIR/SECTION written for
// --out, or the status to exit with.
int analyseInput(const Wanted& w, const mphi::Analysis& analysis, mphi::SectionResult& r,
                 mphi::Outputs& out) {
  const mphi::ModelEntry& model = mphi::modelEntry(analysis.model);
  const mphi::SectionSource in = mphi::readSectionSource(w.input);
  if (in.status != 0) return fail(in.error, in.status);
  if (const std::optional<mphi::Fault> fault = mphi::checkAnalysis(in.section, analysis)) {
    return fail(w.input + ": " + mphi::invalidDataText(*fault, in.section), mphi::kExitInvalidData);
  }
  if (const std::string error = mphi::lengthError(in.section, analysis, w.analysis);
      !error.empty()) {
    return fail(error, mphi::kExitUsage);
  }
  if (!model.writesSection && !w.out.empty()) {
    return fail(std::string("--out: the ") + model.words + " writes no SECTION", mphi::kExitUsage);
  }
  r = mphi::analyse(in.section, analysis);
  if (!w.out.empty()) {
    mphi::writeInFolder(out, w.out, "SECTION", mphi::sectionText(r.section, r.curve));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Reads FILE (default SECTION), a results file written by mphi, or with --input works the\n"
      "curve out in process from the 22 values mphi reads, with the model --model names\n"
      "(default: mphi's own). Prints the section, first yield, peak, the ultimate point, how\n"
      "the curve ended, the idealisations with the curvature ductility, and with --length the\n"
      "drift of a cantilever column (units T, cm).\n"
      "Exit status: 0 done; 1 an output file could not be written; 2 bad arguments or file;\n"
      "for --input, mphi's own status for bad input (24, 59, 64, 39, or 65).",
      kTool};
  Wanted w;
  addOptions(app, w);
  if (int status = mphi::parseCommandLine(app, argc, argv, kTool); status >= 0) return status;

  mphi::Analysis analysis;
  std::string error;
  if (!mphi::analysisOf(w.analysis, analysis, error)) return fail(error, mphi::kExitUsage);
  const mphi::ModelEntry& model = mphi::modelEntry(analysis.model);
  const mphi::Units units = mphi::unitsOf(w.analysis);
  mphi::Outputs out{kTool};
  mphi::SectionResult r;
  if (w.input.empty()) {
    if (!model.writesSection) {
      return fail(std::string("--model ") + model.name + " needs --input: SECTION holds the " +
                      mphi::sectionModel().words + "'s curve",
                  mphi::kExitUsage);
    }
    if (!w.out.empty()) return fail("--out needs --input", mphi::kExitUsage);
    if (int status = readFile(w.file, analysis, r); status >= 0) return status;
    if (const std::string error = mphi::lengthError(r.section, analysis, w.analysis);
        !error.empty()) {
      return fail(error, mphi::kExitUsage);
    }
  } else if (int status = analyseInput(w, analysis, r, out); status >= 0) {
    return status;
  }
  const std::string heading = w.input.empty() ? w.file : w.input;
  mphi::warnAll(kTool, r.warnings);
  mphi::printOutput(out, "the summary",
                    w.json
                        ? mphi::resultJson(r, units)
                        : std::string(kTool) + ": " + heading + "\n" + mphi::resultText(r, units));
  if (!w.svg.empty()) mphi::writeOutput(out, w.svg, mphi::resultPlot(r, units));
  if (!w.csv.empty()) mphi::writeOutput(out, w.csv, mphi::csvText(r.reported.curve, units));
  return out.status;
}
