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

struct Wanted {
  std::string table, csv, outDir, loads, dialect;
  int jobs = mphi::defaultJobs();
  mphi::AnalysisOptions analysis;
};

void addOptions(CLI::App& app, Wanted& w) {
  app.add_option("TABLE.csv", w.table, "the table of sections")->required();
  app.add_option("--csv", w.csv, "write the results here instead of standard output")
      ->type_name("RESULTS.csv");
  app.add_option("--out", w.outDir, "write DIR/<id>/SECTION for every row of mphi's own model")
      ->type_name("DIR");
  app.add_option("--loads", w.loads,
                 "run every row at each load (tons; kN with --units si) in place of its P0")
      ->type_name("P1,P2,...");
  app.add_option("--csv-dialect", w.dialect,
                 "write the results comma-separated with decimal points, or semicolon-separated "
                 "with decimal commas (default: as the table is written)")
      ->check(CLI::IsMember({"comma", "semicolon"}))
      ->type_name("comma|semicolon");
  app.add_option("--jobs", w.jobs, "threads (default: the machine's cores)")
      ->check(CLI::Range(1, 1024));
  mphi::addAnalysisOptions(app, w.analysis);
  mphi::addVersion(app, kTool);
}

// "2 of 7 rows refused: data rows 2, 5; see the status column in out.csv".
std::string refusedLine(const Wanted& w, const mphi::BatchResult& result) {
  std::string rows;
  for (std::size_t i = 0; i < result.refusedRows.size() && i < 20; ++i) {
    rows += (i == 0 ? "" : ", ") + std::to_string(result.refusedRows[i]);
  }
  if (result.refusedRows.size() > 20) rows += ", ...";
  const std::size_t all = result.tableRows;
  return std::to_string(result.refused) + " of " + std::to_string(all) +
         (all == 1 ? " row" : " rows") + " refused: data " +
         (result.refused == 1 ? "row " : "rows ") + rows + "; see the status column in " +
         (w.csv.empty() ? "the results" : w.csv);
}

// The SECTION files, then the results in `separator`'s dialect.
int writeResults(const Wanted& w, const mphi::BatchResult& result, char separator) {
  mphi::Outputs out{kTool};
  for (const mphi::SectionFileOut& s : result.sections) {
    if (!mphi::writeInFolder(out, w.outDir + "/" + s.folder, "SECTION", s.bytes)) break;
  }
  const std::string csv = mphi::csvOf(result.table, separator);
  if (w.csv.empty()) {
    mphi::printOutput(out, "the results", csv);
  } else {
    mphi::writeOutput(out, w.csv, csv);
  }
  if (out.status != 0) return out.status;
  if (result.refused == 0) return 0;
  std::cerr << kTool << ": " << refusedLine(w, result) << "\n";
  return mphi::kExitRowsRefused;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Analyses every row of TABLE.csv as mphi analyses the 22 values made of it, and writes\n"
      "the table's columns, a status and the result columns of mphi-sweep for each row.\n"
      "Required columns, in any order, in mphi's units: b, h, dcm, clearb1cm, dbcm, sccm, fc,\n"
      "fy, fsy, Es, P0, r; an optional id names each row's folder under --out. Optional\n"
      "model, bars_face, bars_side and L columns set a row's model, explicit bars and column\n"
      "length in place of the options; L is in the length of --units (cm; m with t-m or si)\n"
      "or in the unit its name gives (L_mm).\n"
      "The results are written as the table is (commas, or semicolons with decimal commas)\n"
      "unless --csv-dialect says otherwise.\n"
      "Exit status: 0 every row ran; 3 some row was refused (its status says why, and a line\n"
      "on standard error counts them); 2 the table cannot be read or bad arguments; 1 a file\n"
      "could not be written.",
      kTool};
  Wanted w;
  addOptions(app, w);
  if (int status = mphi::parseCommandLine(app, argc, argv, kTool); status >= 0) return status;

  mphi::BatchRequest request;
  std::string error;
  if (!mphi::analysisOf(w.analysis, request.analysis, error)) return fail(error, mphi::kExitUsage);
  request.units = mphi::unitsOf(w.analysis);
  std::string bad;
  if (!w.loads.empty() && !mphi::parseLoads(w.loads, request.units, request.loads, bad)) {
    return fail("--loads: \"" + bad + "\" is not a finite load in " +
                    request.units.text(mphi::Quantity::Force),
                mphi::kExitUsage);
  }
  std::string bytes, reason;
  if (!mphi::readWholeFile(w.table, bytes, reason)) {
    return fail("cannot open " + w.table + ": " + reason, mphi::kExitUsage);
  }
  const mphi::SectionTable table = mphi::parseSectionTable(bytes);
  if (!table.error.empty()) return fail(w.table + ": " + table.error, mphi::kExitUsage);

  request.decimalComma = w.dialect.empty() ? table.decimalComma : w.dialect == "semicolon";
  request.sectionFiles = !w.outDir.empty();
  request.jobs = w.jobs;
  const mphi::Progress progress = mphi::startProgress("sections", mphi::analysesOf(table, request));
  request.done = [&progress](std::size_t done) { mphi::showProgress(progress, done); };
  const mphi::BatchResult result = mphi::runBatch(table, request);
  mphi::endProgress(progress);
  return writeResults(w, result, request.decimalComma ? ';' : ',');
}
