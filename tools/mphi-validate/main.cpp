// mphi-validate (make validate): every laboratory column test of each
// TESTS.csv (rectangular tied columns, spiral columns) through mphi-batch
// with every model that takes its shape, the cantilever's length as the
// drift length; then how close each model comes to the measured strength
// and drift capacity, as a table, a results file and two pictures. It
// fails when a model's strength mean or drift median on a set of tests
// leaves its band in BANDS.csv: a check that the models still work, never
// a fit.
//
// mphi-validate BANDS.csv MPHI-BATCH OUTDIR TESTS.csv...
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "charts/svg_chart.h"
#include "frontend/input_file.h"
#include "frontend/output_file.h"
#include "model/analysis_request.h"
#include "model/model_table.h"
#include "section/section_values.h"
#include "textio/csv_reader.h"
#include "textio/formatted.h"
#include "textio/number_text.h"
#include "textio/text_table.h"
#include "validation/specimen.h"
#include "validation/statistics.h"

namespace {

using namespace mphi;

// The tests of one file, named by it ("columns", "spiral-columns").
struct TestSet {
  std::string name;
  std::vector<Specimen> specimens;
};

bool spiral(const Specimen& s) {
  return s.circleBars > 0;
}

// The request a specimen makes of a model.
Analysis requestOf(const Specimen& s, const ModelEntry& m) {
  Analysis a;
  a.model = m.model;
  a.length = s.lengthCm;
  a.legs = s.legs;
  if (spiral(s)) {
    a.shape = SectionShape::Circular;
    a.circleBars = s.circleBars;
  } else if (m.takesBars) {
    a.bars = s.bars;
  }
  return a;
}

// Whether the model takes the specimen's shape.
bool takes(const ModelEntry& m, const Specimen& s) {
  const std::optional<Fault> f = checkRequest(requestOf(s, m));
  return !f || f->field != "shape";
}

// One specimen's prediction by one model.
struct Prediction {
  std::string model, status, end;
  double strength = 0;  // Mu / L, kN; 0 for none
  double driftPct = 0;  // drift capacity, per cent; 0 for none
  std::string mode;     // what governs it
};
using Predictions = std::map<std::string, std::vector<Prediction>>;  // by specimen

// A specimen's predictions; none where no model took it.
const std::vector<Prediction>& predictionsOf(const Predictions& all, const std::string& id) {
  static const std::vector<Prediction> kNone;
  const auto at = all.find(id);
  return at == all.end() ? kNone : at->second;
}

int fail(const std::string& message, int status) {
  std::cerr << "mphi-validate: " << message << "\n";
  return status;
}

// A CSV file's records with its header first; false with the reason.
bool readRecords(const std::string& path, std::vector<std::vector<std::string>>& records,
                 std::string& error) {
  std::string bytes, reason;
  if (!readWholeFile(path, bytes, reason) || !readCsv(bytes, false, records, reason) ||
      records.empty()) {
    error = path + ": " + (reason.empty() ? "no header row" : reason);
    return false;
  }
  return true;
}

std::string cellOf(const std::vector<std::string>& header, const std::vector<std::string>& row,
                   const std::string& name) {
  for (std::size_t i = 0; i < header.size() && i < row.size(); ++i) {
    if (header[i] == name) return row[i];
  }
  return {};
}

double numberOf(const std::string& text) {
  return text.empty() ? 0 : std::strtod(text.c_str(), nullptr);
}

bool readTests(const std::string& path, TestSet& set, std::string& error) {
  std::vector<std::vector<std::string>> records;
  if (!readRecords(path, records, error)) return false;
  const std::size_t slash = path.rfind('/') + 1, dot = path.rfind('.');
  set.name =
      path.substr(slash, dot == std::string::npos || dot < slash ? std::string::npos : dot - slash);
  for (std::size_t i = 1; i < records.size(); ++i) {
    Specimen s;
    if (!specimenOf(records[0], records[i], s, error)) {
      error = path + ": data row " + std::to_string(i) + ": " + error;
      return false;
    }
    set.specimens.push_back(s);
  }
  return true;
}

// The batch table: a row a specimen and model that takes it, in mphi's
// units.
std::string batchTable(const std::vector<Specimen>& specimens) {
  // Ids are unique in a table: the specimen's id goes in a column of its own.
  std::vector<std::string> header = {"id",        "specimen",  "model",  "shape",  "n_bars",
                                     "bars_face", "bars_side", "legs_b", "legs_h", "L_cm"};
  for (const SectionValue* v : givenValues()) header.push_back(v->name);
  std::string csv = csvLine(header) + "\n";
  for (const Specimen& s : specimens) {
    for (const ModelEntry& m : modelTable()) {
      if (!takes(m, s)) continue;
      const Analysis a = requestOf(s, m);
      std::vector<std::string> row = {s.id + "." + m.name,
                                      s.id,
                                      m.name,
                                      shapeName(a.shape),
                                      spiral(s) ? doubleText(s.circleBars) : "",
                                      a.bars ? doubleText(a.bars->face) : "",
                                      a.bars ? doubleText(a.bars->side) : "",
                                      doubleText(s.legs.b),
                                      doubleText(s.legs.h),
                                      doubleText(s.lengthCm)};
      for (const SectionValue* v : givenValues()) row.push_back(floatText(s.section.*v->member));
      csv += csvLine(row) + "\n";
    }
  }
  return csv;
}

// Every specimen through mphi-batch; its predictions, or false with why.
bool predict(const std::string& batch, const std::string& out,
             const std::vector<Specimen>& specimens, Predictions& predictions, std::string& error) {
  Outputs outputs{"mphi-validate"};
  if (!makeDirectories(out).empty() ||
      !writeOutput(outputs, out + "/batch.csv", batchTable(specimens))) {
    error = "cannot write " + out + "/batch.csv";
    return false;
  }
  const std::string command =
      "'" + batch + "' '" + out + "/batch.csv' --units si --csv '" + out + "/batch-results.csv'";
  const int status = std::system(command.c_str());
  if (status != 0 && WEXITSTATUS(status) != 3) {  // 3: some row refused, named in its status
    error = command + " failed";
    return false;
  }
  std::vector<std::vector<std::string>> records;
  if (!readRecords(out + "/batch-results.csv", records, error)) return false;
  std::map<std::string, const Specimen*> byId;
  for (const Specimen& s : specimens) byId[s.id] = &s;
  const std::vector<std::string>& header = records[0];
  for (std::size_t i = 1; i < records.size(); ++i) {
    const std::vector<std::string>& row = records[i];
    const std::string id = cellOf(header, row, "specimen");
    Prediction p{cellOf(header, row, "model"),
                 cellOf(header, row, "status"),
                 cellOf(header, row, "end"),
                 0,
                 0,
                 ""};
    const double Mu = numberOf(cellOf(header, row, "Mu_kNm"));
    p.strength = Mu > 0 ? Mu / (byId.at(id)->lengthCm / 100) : 0;
    p.driftPct = 100 * numberOf(cellOf(header, row, "drift_cap"));
    p.mode = cellOf(header, row, "mode");
    predictions[id].push_back(p);
  }
  return true;
}

// Why a specimen has no prediction of one kind, for the summary.
std::string missingReason(const Prediction& p, bool drift) {
  if (p.status != "ok" && p.status.rfind("too few", 0) != 0) return p.status.substr(0, 60);
  if (!drift) return "no peak moment";
  if (p.status.rfind("too few", 0) == 0) return "too few rows to idealise";
  return "no flexural drift: no yield curvature (first yield not reached)";
}

// Measured over predicted drift capacity with the drifts behind them.
struct DriftRatios {
  std::vector<double> ratio, measured, predicted;
  void add(double m, double p) {
    ratio.push_back(m / p);
    measured.push_back(m);
    predicted.push_back(p);
  }
};

// One model against one set of tests.
struct ModelSummary {
  const ModelEntry* model = nullptr;
  std::string tests;                                    // the set's name
  std::map<std::string, std::vector<double>> strength;  // measured over predicted, by failure
  // Tests that lost 20 % of their strength both ways: all of them, by the
  // mode that governs the prediction and by the failure they were given.
  DriftRatios drift;
  std::map<std::string, DriftRatios> byMode, byFailure;
  std::map<std::string, int> governing;            // every test with a capacity, by mode
  std::map<std::string, int> noStrength, noDrift;  // specimens without, by reason
};

// The model's rows of the results file, and its summary.
ModelSummary summarise(const ModelEntry& m, const TestSet& set, const Predictions& predictions,
                       std::string& results) {
  ModelSummary sum;
  sum.model = &m;
  sum.tests = set.name;
  for (const Specimen& s : set.specimens) {
    for (const Prediction& p : predictionsOf(predictions, s.id)) {
      if (p.model != m.name) continue;
      const double sr = p.strength > 0 ? s.feffMaxKn / p.strength : 0;
      const bool driftKnown = s.driftFlag == "both" && s.driftCapPct > 0;
      const double dr = driftKnown && p.driftPct > 0 ? s.driftCapPct / p.driftPct : 0;
      results +=
          csvLine({s.id, m.name, s.failure, s.driftFlag, p.status, p.end, doubleText(s.feffMaxKn),
                   sr > 0 ? doubleText(p.strength) : "", sr > 0 ? doubleText(sr) : "",
                   doubleText(s.driftCapPct), p.driftPct > 0 ? doubleText(p.driftPct) : "",
                   dr > 0 ? doubleText(dr) : ""}) +
          "\n";
      if (!p.mode.empty()) ++sum.governing[p.mode];
      if (sr > 0) {
        sum.strength[s.failure].push_back(sr);
        sum.strength["All"].push_back(sr);
      } else {
        ++sum.noStrength[missingReason(p, false)];
      }
      if (!driftKnown) continue;
      if (dr > 0) {
        for (DriftRatios* d : {&sum.drift, &sum.byMode[p.mode], &sum.byFailure[s.failure]}) {
          d->add(s.driftCapPct, p.driftPct);
        }
      } else {
        ++sum.noDrift[missingReason(p, true)];
      }
    }
  }
  return sum;
}

std::string statisticsRow(const char* what, const RatioStatistics& s) {
  if (s.count == 0) return formatted("| %s | 0 | | | | | |\n", what);
  return formatted("| %s | %d | %.3f | %.3f | %.2f | %.2f | %.2f |\n", what, s.count, s.mean, s.cov,
                   s.median, s.min, s.max);
}

std::string driftRow(const std::string& what, const DriftRatios& d) {
  const RatioStatistics s = statisticsOf(d.ratio);
  const long over = std::count_if(d.ratio.begin(), d.ratio.end(), [](double r) { return r < 0.5; });
  if (s.count == 0) return "| " + what + " | 0 | | | | |\n";
  return formatted("| %s | %d | %.2f | %.2f | %.2f | %ld (%.0f %%) |\n", what.c_str(), s.count,
                   s.median, s.logStd, logCorrelation(d.measured, d.predicted), over,
                   100.0 * over / s.count);
}

std::string summaryText(const ModelSummary& sum) {
  std::string heading = sum.model->words;
  heading[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(heading[0])));
  std::string t = "### " + heading + "\n\n";
  t += "| Feff,max / (Mu/L) | n | mean | CoV | median | min | max |\n";
  t += "|---|---|---|---|---|---|---|\n";
  for (const char* group : {"Flexure", "Flexure-Shear", "All"}) {
    t += statisticsRow(group, statisticsOf(sum.strength.count(group) ? sum.strength.at(group)
                                                                     : std::vector<double>{}));
  }
  t += "\n| measured / predicted drift capacity, tests that lost 20 % both ways | n | median | "
       "log-standard deviation | log correlation | over-predicted > 2x "
       "|\n|---|---|---|---|---|---|\n";
  t += driftRow("all", sum.drift);
  for (const auto& [mode, d] : sum.byMode) t += driftRow("governed by " + mode, d);
  for (const auto& [failure, d] : sum.byFailure) t += driftRow("tests failing in " + failure, d);
  t += "\nWhat governs the capacity, over every test that has one:";
  for (const auto& [mode, count] : sum.governing) t += formatted(" %s %d;", mode.c_str(), count);
  t += "\n\n";
  if (sum.noStrength.empty()) t += "Every test has a strength prediction.\n";
  for (const auto* missing : {&sum.noStrength, &sum.noDrift}) {
    for (const auto& [why, count] : *missing) {
      t += formatted("No %s prediction: %d (%s).\n",
                     missing == &sum.noStrength ? "strength" : "drift", count, why.c_str());
    }
  }
  return t + "\n";
}

// Each model's strength mean and drift median against its band; the
// lines of those outside, or empty.
std::string outsideBands(const std::string& path, const std::vector<ModelSummary>& summaries,
                         std::string& error) {
  std::vector<std::vector<std::string>> records;
  if (!readRecords(path, records, error)) return {};
  const std::vector<std::string>& h = records[0];
  std::string outside;
  for (const ModelSummary& sum : summaries) {
    const std::vector<std::string>* band = nullptr;
    for (std::size_t i = 1; i < records.size(); ++i) {
      if (cellOf(h, records[i], "tests") == sum.tests &&
          cellOf(h, records[i], "model") == sum.model->name) {
        band = &records[i];
      }
    }
    if (band == nullptr) {
      error = path + ": no band for the " + sum.model->words + " on " + sum.tests;
      return {};
    }
    const struct {
      const char* what;
      double value;
      const char *low, *high;
    } checks[] = {
        {"strength mean",
         statisticsOf(sum.strength.count("All") ? sum.strength.at("All") : std::vector<double>{})
             .mean,
         "strength_low", "strength_high"},
        {"drift median", statisticsOf(sum.drift.ratio).median, "drift_low", "drift_high"}};
    for (const auto& c : checks) {
      const double low = numberOf(cellOf(h, *band, c.low)),
                   high = numberOf(cellOf(h, *band, c.high));
      if (!(c.value >= low && c.value <= high)) {
        outside += formatted("%s on %s: %s %.3f is outside its band %g to %g\n", sum.model->words,
                             sum.tests.c_str(), c.what, c.value, low, high);
      }
    }
  }
  return outside;
}

Panel scatter(const char* what, const char* unit, const std::vector<TestSet>& sets,
              const Predictions& predictions, bool drift) {
  Panel p;
  p.xName = std::string("Predicted ") + what;
  p.xUnit = unit;
  p.yName = std::string("Measured ") + what;
  p.yUnit = unit;
  // Predictions far beyond every measurement would squeeze the rest into a
  // corner: they are drawn at the edge, and said so.
  double largest = 0, largestPrediction = 0;
  for (const TestSet& set : sets) {
    for (const Specimen& s : set.specimens) {
      largest = std::max(largest, drift ? s.driftCapPct : s.feffMaxKn);
      for (const Prediction& pr : predictionsOf(predictions, s.id)) {
        largestPrediction = std::max(largestPrediction, drift ? pr.driftPct : pr.strength);
      }
    }
  }
  largest = std::min(std::max(largest, largestPrediction), 2 * largest);
  // A shape for each model on rectangles, another on spirals.
  const Shape shapes[] = {Shape::Circle, Shape::Square, Shape::Diamond, Shape::Triangle};
  for (std::size_t k = 0; k < sets.size(); ++k) {
    for (std::size_t index = 0; index < modelTable().size(); ++index) {
      const ModelEntry& m = modelTable()[index];
      const Shape shape = shapes[(2 * k + index) % 4];
      int count = 0, beyond = 0;
      for (const Specimen& s : sets[k].specimens) {
        if (drift && s.driftFlag != "both") continue;
        for (const Prediction& pr : predictionsOf(predictions, s.id)) {
          const double predicted = drift ? pr.driftPct : pr.strength;
          const double measured = drift ? s.driftCapPct : s.feffMaxKn;
          if (pr.model != m.name || !(predicted > 0) || !(measured > 0)) continue;
          beyond += predicted > largest;
          p.markers.push_back({std::min(predicted, largest), measured,
                               predicted > largest ? Shape::Cross : shape, m.colour, ""});
          ++count;
        }
      }
      if (count == 0) continue;
      p.legend.push_back(
          {formatted("%s, %s (%d specimens", m.words, sets[k].name.c_str(), count) +
               (beyond > 0 ? formatted("; %d predicted beyond %.3g %s, drawn at the edge", beyond,
                                       largest, unit)
                           : "") +
               ")",
           m.colour, false, "", shape});
    }
  }
  Series oneToOne;
  oneToOne.x = {0, largest};
  oneToOne.y = {0, largest};
  oneToOne.colour = "#111111";
  oneToOne.dash = "4 4";
  oneToOne.width = 1.2;
  oneToOne.className = "one-to-one";
  p.series.push_back(oneToOne);
  p.legend.push_back({"1:1", "#111111", true, "4 4", Shape::None});
  return p;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return fail("usage: mphi-validate BANDS.csv MPHI-BATCH OUTDIR TESTS.csv...", 2);
  const std::string bands = argv[1], batch = argv[2], out = argv[3];
  std::vector<TestSet> sets(static_cast<std::size_t>(argc - 4));
  std::vector<Specimen> specimens;
  Predictions predictions;
  std::string error;
  for (std::size_t k = 0; k < sets.size(); ++k) {
    if (!readTests(argv[4 + k], sets[k], error)) return fail(error, 2);
    specimens.insert(specimens.end(), sets[k].specimens.begin(), sets[k].specimens.end());
  }
  if (!predict(batch, out, specimens, predictions, error)) return fail(error, 1);

  std::string results =
      "tests,id,model,failure,drift_flag,status,end,Feff_max_kN,V_pred_kN,strength_ratio,"
      "drift_cap_pct,drift_pred_pct,drift_ratio\n";
  std::string summary;
  std::vector<ModelSummary> summaries;
  for (const TestSet& set : sets) {
    summary += formatted("## %zu laboratory tests of %s (%s)\n\n", set.specimens.size(),
                         spiral(set.specimens.front()) ? "circular columns with spirals"
                                                       : "rectangular tied columns",
                         set.name.c_str());
    for (const ModelEntry& m : modelTable()) {
      if (!takes(m, set.specimens.front())) continue;
      summaries.push_back(summarise(m, set, predictions, results));
      summary += summaryText(summaries.back());
    }
  }
  Outputs outputs{"mphi-validate"};
  writeOutput(outputs, out + "/results.csv", results);
  writeOutput(outputs, out + "/summary.md", summary);
  writeOutput(outputs, out + "/strength.svg",
              svgPicture("Strength: measured Feff,max against predicted Mu/L",
                         {scatter("force", "kN", sets, predictions, false)}));
  writeOutput(outputs, out + "/drift.svg",
              svgPicture("Drift capacity: measured against predicted (tests that lost 20 % of "
                         "their strength both ways)",
                         {scatter("drift", "%", sets, predictions, true)}));
  std::cout << summary;
  const std::string outside = outsideBands(bands, summaries, error);
  if (!error.empty()) return fail(error, 2);
  if (!outside.empty()) {
    std::cerr << outside;
    return fail("a model left its band (" + bands + ")", 1);
  }
  return outputs.status;
}
