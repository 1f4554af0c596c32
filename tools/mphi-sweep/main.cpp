// mphi-sweep: one section at many axial loads, in process and in parallel;
// a table of capacities and ductilities per load, the P-M interaction
// diagram and the curves.
#include <iostream>
#include <string>

#include "frontend/command_line.h"
#include "frontend/output_file.h"
#include "frontend/parallel.h"
#include "frontend/progress.h"
#include "frontend/section_source.h"
#include "frontend/tool_status.h"
#include "model/model_table.h"
#include "section_file/section_writer.h"
#include "sweep/interaction_svg.h"
#include "sweep/load_sweep.h"

namespace {

constexpr char kTool[] = "mphi-sweep";

int fail(const std::string& message, int status) {
  return mphi::failWith(kTool, message, status);
}

struct Wanted {
  std::string input = "-", loads, outDir, csv, svg, curves;
  std::vector<std::string> design;
  int count = 21;
  int jobs = mphi::defaultJobs();
  mphi::AnalysisOptions analysis;
};

void addOptions(CLI::App& app, Wanted& w) {
  auto* positional = app.add_option("INPUT", w.input, "the 22 input values, as for mphi");
  // As mphi-report takes them: the same option for the same thing.
  app.add_option("--input", w.input, "the same, as mphi-report takes it (- for standard input)")
      ->type_name("FILE")
      ->excludes(positional);
  auto* loads =
      app.add_option("--loads", w.loads, "the loads, comma-separated (tons; kN with --units si)")
          ->type_name("P1,P2,...");
  app.add_option("--count", w.count, "evenly spaced loads from -0.8 As fy to 0.9 Po (default 21)")
      ->check(CLI::Range(2, 100000))
      ->excludes(loads);
  app.add_option("--out", w.outDir, "write DIR/load-NN/SECTION for every load")->type_name("DIR");
  app.add_option("--csv", w.csv, "write the table here instead of standard output")
      ->type_name("FILE");
  app.add_option("--svg", w.svg, "draw the P-M interaction diagram")->type_name("FILE");
  app.add_option("--design", w.design,
                 "lay a design point (axial load, moment) over the diagram; may be repeated")
      ->type_name("P,M");
  app.add_option("--curves-svg", w.curves, "draw the M-phi curves of every load")
      ->type_name("FILE");
  app.add_option("--jobs", w.jobs, "threads (default: the machine's cores)")
      ->check(CLI::Range(1, 1024));
  mphi::addAnalysisOptions(app, w.analysis);
  mphi::addVersion(app, kTool);
}

// The design points of --design in tons and centimetres; false with the
// item that is not a pair of numbers.
bool designOf(const Wanted& w, const mphi::Units& units, std::vector<mphi::DesignPoint>& design,
              std::string& bad) {
  for (const std::string& item : w.design) {
    std::vector<float> pair;
    if (!mphi::parseLoads(item, {}, pair, bad) || pair.size() != 2) {
      bad = item;
      return false;
    }
    design.push_back(
        {units.from(mphi::Quantity::Force, pair[0]), units.from(mphi::Quantity::Moment, pair[1])});
  }
  return true;
}

// SECTION of every load, the table and the pictures.
int writeResults(const Wanted& w, const mphi::SectionData& section,
                 const std::vector<mphi::LoadResult>& results, mphi::Model model,
                 const mphi::Units& units, const std::vector<mphi::DesignPoint>& design) {
  mphi::Outputs out{kTool};
  for (std::size_t i = 0; !w.outDir.empty() && i < results.size(); ++i) {
    const std::string folder = w.outDir + "/" + mphi::loadFolder(i + 1, results.size());
    const mphi::SectionResult& r = results[i].result;
    if (!mphi::writeInFolder(out, folder, "SECTION", mphi::sectionText(r.section, r.curve))) break;
  }
  const std::string csv = mphi::sweepCsv(results, model, units);
  if (w.csv.empty()) {
    mphi::printOutput(out, "the table", csv);
  } else {
    mphi::writeOutput(out, w.csv, csv);
  }
  if (!w.svg.empty()) {
    mphi::writeOutput(out, w.svg, mphi::interactionSvg(section, results, units, design));
  }
  if (!w.curves.empty()) {
    mphi::writeOutput(out, w.curves, mphi::curvesSvg(section, results, units));
  }
  return out.status;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Runs the section of INPUT (the 22 values mphi reads; standard input when absent or -)\n"
      "at many axial loads, in place of its P0, and writes one line per load: a status, how\n"
      "the curve ended, first yield, the peak and ultimate points and mphi-report's figures\n"
      "(units T, cm, or as --units says).\n"
      "Exit status: 0 done; 1 a file could not be written; 2 bad arguments; for bad input\n"
      "mphi's own status (24, 59, 64, 39, or 65 for section data the analysis refuses).",
      kTool};
  Wanted w;
  addOptions(app, w);
  if (int status = mphi::parseCommandLine(app, argc, argv, kTool); status >= 0) return status;

  mphi::Analysis analysis;
  std::string error;
  if (!mphi::analysisOf(w.analysis, analysis, error)) return fail(error, mphi::kExitUsage);
  const mphi::Units units = mphi::unitsOf(w.analysis);
  std::vector<float> loads;
  std::string bad;
  if (!w.loads.empty() && !mphi::parseLoads(w.loads, units, loads, bad)) {
    return fail(
        "--loads: \"" + bad + "\" is not a finite load in " + units.text(mphi::Quantity::Force),
        mphi::kExitUsage);
  }
  std::vector<mphi::DesignPoint> design;
  if (!designOf(w, units, design, bad)) {
    return fail("--design: \"" + bad + "\" is not P,M (an axial load and a moment)",
                mphi::kExitUsage);
  }
  const mphi::ModelEntry& model = mphi::modelEntry(analysis.model);
  if (!model.writesSection && !w.outDir.empty()) {
    return fail(std::string("--out: the ") + model.words + " writes no SECTION", mphi::kExitUsage);
  }
  const mphi::SectionSource in = mphi::readSectionSource(w.input);
  if (in.status != 0) return fail(in.error, in.status);
  const std::string name = w.input == "-" ? "standard input" : w.input;
  if (const std::optional<mphi::Fault> fault = mphi::checkAnalysis(in.section, analysis)) {
    return fail(name + ": " + mphi::invalidDataText(*fault, in.section), mphi::kExitInvalidData);
  }
  if (const std::string error = mphi::lengthError(in.section, analysis, w.analysis);
      !error.empty()) {
    return fail(error, mphi::kExitUsage);
  }
  if (loads.empty()) loads = mphi::defaultLoads(in.section, w.count, units, analysis);

  const mphi::Progress progress = mphi::startProgress("loads", loads.size());
  const std::vector<mphi::LoadResult> results =
      mphi::sweepLoads(in.section, loads, analysis, w.jobs,
                       [&](std::size_t done) { mphi::showProgress(progress, done); });
  mphi::endProgress(progress);
  mphi::warnAll(kTool, mphi::sweepWarnings(results, units));
  return writeResults(w, in.section, results, analysis.model, units, design);
}
