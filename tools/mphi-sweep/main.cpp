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

}  // namespace

int main(int argc, char** argv) {
  std::string input = "-", loadList, outDir, csvPath, svgPath, curvesPath;
  std::vector<std::string> designList;
  int count = 21;
  int jobs = mphi::defaultJobs();
  CLI::App app{
      "Runs the section of INPUT (the 22 values mphi reads; standard input when absent or -)\n"
      "at many axial loads, in place of its P0, and writes one line per load: a status, how\n"
      "the curve ended, first yield, the peak and ultimate points and mphi-report's figures\n"
      "(units T, cm, or as --units says).\n"
      "Exit status: 0 done; 1 a file could not be written; 2 bad arguments; for bad input\n"
      "mphi's own status (24, 59, 64, 39, or 65 for section data the analysis refuses).",
      kTool};
  app.add_option("INPUT", input, "the 22 input values, as for mphi");
  auto* loadsOption =
      app.add_option("--loads", loadList, "the loads, comma-separated (tons; kN with --units si)")
          ->type_name("P1,P2,...");
  app.add_option("--count", count, "evenly spaced loads from -0.8 As fy to 0.9 Po (default 21)")
      ->check(CLI::Range(2, 100000))
      ->excludes(loadsOption);
  app.add_option("--out", outDir, "write DIR/load-NN/SECTION for every load")->type_name("DIR");
  app.add_option("--csv", csvPath, "write the table here instead of standard output")
      ->type_name("FILE");
  app.add_option("--svg", svgPath, "draw the P-M interaction diagram")->type_name("FILE");
  app.add_option("--design", designList,
                 "lay a design point (axial load, moment) over the diagram; may be repeated")
      ->type_name("P,M");
  app.add_option("--curves-svg", curvesPath, "draw the M-phi curves of every load")
      ->type_name("FILE");
  app.add_option("--jobs", jobs, "threads (default: the machine's cores)")
      ->check(CLI::Range(1, 1024));
  mphi::AnalysisOptions options;
  mphi::addAnalysisOptions(app, options);
  mphi::addVersion(app, kTool);
  if (int status = mphi::parseCommandLine(app, argc, argv, kTool); status >= 0) return status;

  mphi::Analysis analysis;
  std::string error;
  if (!mphi::analysisOf(options, analysis, error)) return fail(error, mphi::kExitUsage);
  const mphi::Units units = mphi::unitsOf(options);
  const std::string force = units.text(mphi::Quantity::Force);
  std::vector<float> loads;
  std::string bad;
  if (!loadList.empty() && !mphi::parseLoads(loadList, units, loads, bad)) {
    return fail("--loads: \"" + bad + "\" is not a finite load in " + force, mphi::kExitUsage);
  }
  std::vector<mphi::DesignPoint> design;
  for (const std::string& item : designList) {
    std::vector<float> pair;
    if (!mphi::parseLoads(item, {}, pair, bad) || pair.size() != 2) {
      return fail("--design: \"" + item + "\" is not P,M (an axial load and a moment)",
                  mphi::kExitUsage);
    }
    design.push_back(
        {units.from(mphi::Quantity::Force, pair[0]), units.from(mphi::Quantity::Moment, pair[1])});
  }
  const mphi::ModelEntry& model = mphi::modelEntry(analysis.model);
  if (!model.writesSection && !outDir.empty()) {
    return fail(std::string("--out: the ") + model.words + " writes no SECTION", mphi::kExitUsage);
  }
  const mphi::SectionSource in = mphi::readSectionSource(input);
  if (in.status != 0) return fail(in.error, in.status);
  const std::string name = input == "-" ? "standard input" : input;
  if (const std::optional<mphi::Fault> fault = mphi::checkAnalysis(in.section, analysis)) {
    return fail(name + ": " + mphi::invalidDataText(*fault, in.section), mphi::kExitInvalidData);
  }
  if (loads.empty()) loads = mphi::defaultLoads(in.section, count, units);

  const mphi::Progress progress = mphi::startProgress("loads", loads.size());
  const std::vector<mphi::LoadResult> results =
      mphi::sweepLoads(in.section, loads, analysis, jobs,
                       [&](std::size_t done) { mphi::showProgress(progress, done); });
  mphi::endProgress(progress);

  mphi::Outputs out{kTool};
  for (std::size_t i = 0; !outDir.empty() && i < results.size(); ++i) {
    const std::string folder = outDir + "/" + mphi::loadFolder(i + 1, results.size());
    const mphi::SectionResult& r = results[i].result;
    if (!mphi::writeInFolder(out, folder, "SECTION", mphi::sectionText(r.section, r.curve))) break;
  }
  const std::string csv = mphi::sweepCsv(results, analysis.model, units);
  if (csvPath.empty()) {
    mphi::printOutput(out, "the table", csv);
  } else {
    mphi::writeOutput(out, csvPath, csv);
  }
  if (!svgPath.empty()) {
    mphi::writeOutput(out, svgPath, mphi::interactionSvg(in.section, results, units, design));
  }
  if (!curvesPath.empty()) {
    mphi::writeOutput(out, curvesPath, mphi::curvesSvg(in.section, results, units));
  }
  return out.status;
}
