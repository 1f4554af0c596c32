// mphi-batch: a table of sections in, a table of results out; each row
// analysed as mphi analyses it, in process and in parallel.
#include <iostream>
#include <string>

#include "batch/batch_run.h"
#include "frontend/command_line.h"
#include "frontend/input_file.h"
#include "frontend/output_file.h"
#include "frontend/parallel.h"
#include "frontend/progress.h"
#include "frontend/tool_status.h"

namespace {

constexpr char kTool[] = "mphi-batch";

int fail(const std::string& message, int status) {
  return mphi::failWith(kTool, message, status);
}

}  // namespace

int main(int argc, char** argv) {
  std::string tablePath, outPath, outDir, loadList;
  int jobs = mphi::defaultJobs();
  CLI::App app{
      "Analyses every row of TABLE.csv as mphi analyses the 22 values made of it, and writes\n"
      "the table's columns, a status and the result columns of mphi-sweep for each row.\n"
      "Required columns, in any order, in mphi's units: b, h, dcm, clearb1cm, dbcm, sccm, fc,\n"
      "fy, fsy, Es, P0, r; an optional id names each row's folder under --out. Optional\n"
      "model (spec or assessment), bars_face, bars_side and L columns set a row's model,\n"
      "explicit bars and column length in place of the options.\n"
      "Exit status: 0 every row ran; 3 some row was refused (its status says why); 2 the\n"
      "table cannot be read or bad arguments; 1 a file could not be written.",
      kTool};
  app.add_option("TABLE.csv", tablePath, "the table of sections")->required();
  app.add_option("--csv", outPath, "write the results here instead of standard output")
      ->type_name("RESULTS.csv");
  app.add_option("--out", outDir, "write DIR/<id>/SECTION for every row of the specified model")
      ->type_name("DIR");
  app.add_option("--loads", loadList,
                 "run every row at each load (tons; kN with --units si) in place of its P0")
      ->type_name("P1,P2,...");
  app.add_option("--jobs", jobs, "threads (default: the machine's cores)")
      ->check(CLI::Range(1, 1024));
  mphi::AnalysisOptions options;
  mphi::addAnalysisOptions(app, options);
  mphi::addVersion(app, kTool);
  if (int status = mphi::parseCommandLine(app, argc, argv, kTool); status >= 0) return status;

  mphi::BatchRequest request;
  std::string error;
  if (!mphi::analysisOf(options, request.analysis, error)) return fail(error, mphi::kExitUsage);
  request.units = mphi::unitsOf(options);
  std::string bad;
  if (!loadList.empty() && !mphi::parseLoads(loadList, request.units, request.loads, bad)) {
    return fail("--loads: \"" + bad + "\" is not a finite load in " +
                    request.units.text(mphi::Quantity::Force),
                mphi::kExitUsage);
  }
  std::string bytes, reason;
  if (!mphi::readWholeFile(tablePath, bytes, reason)) {
    return fail("cannot open " + tablePath + ": " + reason, mphi::kExitUsage);
  }
  const mphi::SectionTable table = mphi::parseSectionTable(bytes);
  if (!table.error.empty()) return fail(tablePath + ": " + table.error, mphi::kExitUsage);

  request.sectionFiles = !outDir.empty();
  request.jobs = jobs;
  const mphi::Progress progress = mphi::startProgress("sections", mphi::analysesOf(table, request));
  request.done = [&progress](std::size_t done) { mphi::showProgress(progress, done); };
  const mphi::BatchResult result = mphi::runBatch(table, request);
  mphi::endProgress(progress);

  mphi::Outputs out{kTool};
  for (const mphi::SectionFileOut& s : result.sections) {
    if (!mphi::writeInFolder(out, outDir + "/" + s.folder, "SECTION", s.bytes)) break;
  }
  if (outPath.empty()) {
    mphi::printOutput(out, "the results", mphi::csvOf(result.table));
  } else {
    mphi::writeOutput(out, outPath, mphi::csvOf(result.table));
  }
  if (out.status != 0) return out.status;
  return result.refused > 0 ? mphi::kExitRowsRefused : 0;
}
