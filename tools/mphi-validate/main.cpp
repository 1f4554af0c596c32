// make validate: every laboratory column test of validation/columns.csv
// through mphi-batch with both models, the cantilever's length as the drift
// length; then how close each model comes to the measured strength and
// drift capacity, as a table, a results file and two pictures.
//
// validate COLUMNS.csv MPHI-BATCH OUTDIR
#include <sys/wait.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "charts/svg_chart.h"
#include "frontend/input_file.h"
#include "frontend/output_file.h"
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

// One specimen's prediction by one model.
struct Prediction {
  std::string model, status, end;
  double strength = 0;  // Mu / L, kN; 0 for none
  double driftPct = 0;  // drift at ultimate, per cent; 0 for none
};

// The batch table: two rows a specimen, one for each model, in mphi's units.
std::string batchTable(const std::vector<Specimen>& specimens) {
  // Ids are unique in a table: the specimen's id goes in a column of its own.
  std::vector<std::string> header = {"id", "specimen", "model", "bars_face", "bars_side", "L"};
  for (const SectionValue* v : givenValues()) header.push_back(v->name);
  std::string csv = csvLine(header) + "\n";
  for (const Specimen& s : specimens) {
    for (const ModelEntry& m : modelTable()) {
      std::vector<std::string> row = {s.id + "." + m.name,
                                      s.id,
                                      m.name,
                                      m.takesBars ? doubleText(s.bars.face) : "",
                                      m.takesBars ? doubleText(s.bars.side) : "",
                                      doubleText(s.lengthCm)};
      for (const SectionValue* v : givenValues()) row.push_back(floatText(s.section.*v->member));
      csv += csvLine(row) + "\n";
    }
  }
  return csv;
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

// Why a specimen has no prediction of one kind, for the summary.
std::string missingReason(const Prediction& p, bool drift) {
  if (p.status != "ok" && p.status.rfind("too few", 0) != 0) return p.status.substr(0, 60);
  if (!drift) return "no peak moment";
  if (p.status.rfind("too few", 0) == 0) return "too few rows to idealise";
  return "no yield curvature (first yield, or the point that sets Mn, not reached)";
}

std::string statisticsRow(const char* what, const RatioStatistics& s) {
  if (s.count == 0) return formatted("| %s | 0 | | | | | |\n", what);
  return formatted("| %s | %d | %.2f | %.2f | %.2f | %.2f | %.2f |\n", what, s.count, s.mean, s.cov,
                   s.median, s.min, s.max);
}

Panel scatter(const char* what, const char* unit, const std::vector<Specimen>& specimens,
              const std::map<std::string, std::vector<Prediction>>& predictions, bool drift) {
  Panel p;
  p.xName = std::string("Predicted ") + what;
  p.xUnit = unit;
  p.yName = std::string("Measured ") + what;
  p.yUnit = unit;
  const Shape shapes[] = {Shape::Circle, Shape::Square, Shape::Diamond, Shape::Triangle};
  // Predictions far beyond every measurement would squeeze the rest into a
  // corner: they are drawn at the edge, and said so.
  double largest = 0, largestPrediction = 0;
  for (const Specimen& s : specimens) {
    largest = std::max(largest, drift ? s.driftCapPct : s.feffMaxKn);
    for (const Prediction& pr : predictions.at(s.id)) {
      largestPrediction = std::max(largestPrediction, drift ? pr.driftPct : pr.strength);
    }
  }
  largest = std::min(std::max(largest, largestPrediction), 2 * largest);
  for (std::size_t index = 0; index < modelTable().size(); ++index) {
    const ModelEntry& m = modelTable()[index];
    const struct {
      const char* model;
      Shape shape;
      const char* colour;
      const char* words;
    } look = {m.name, shapes[index % 4], m.colour, m.words};
    int count = 0, beyond = 0;
    for (const Specimen& s : specimens) {
      if (drift && s.driftFlag != "both") continue;
      for (const Prediction& pr : predictions.at(s.id)) {
        if (pr.model != look.model) continue;
        const double predicted = drift ? pr.driftPct : pr.strength;
        const double measured = drift ? s.driftCapPct : s.feffMaxKn;
        if (!(predicted > 0) || !(measured > 0)) continue;
        beyond += predicted > largest;
        p.markers.push_back({std::min(predicted, largest), measured,
                             predicted > largest ? Shape::Cross : look.shape, look.colour});
        ++count;
      }
    }
    p.legend.push_back(
        {formatted("%s (%d specimens", look.words, count) +
             (beyond > 0 ? formatted("; %d predicted beyond %.3g %s, drawn at the edge", beyond,
                                     largest, unit)
                         : "") +
             ")",
         look.colour, false, "", look.shape});
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
  if (argc != 4) {
    std::cerr << "usage: validate COLUMNS.csv MPHI-BATCH OUTDIR\n";
    return 2;
  }
  const std::string columnsPath = argv[1], batch = argv[2], out = argv[3];
  std::string bytes, reason;
  std::vector<std::vector<std::string>> records;
  if (!readWholeFile(columnsPath, bytes, reason) || !readCsv(bytes, false, records, reason)) {
    std::cerr << "validate: " << columnsPath << ": " << reason << "\n";
    return 2;
  }
  std::vector<Specimen> specimens;
  for (std::size_t i = 1; i < records.size(); ++i) {
    Specimen s;
    if (!specimenOf(records[0], records[i], s, reason)) {
      std::cerr << "validate: " << columnsPath << ": data row " << i << ": " << reason << "\n";
      return 2;
    }
    specimens.push_back(s);
  }
  Outputs outputs{"validate"};
  if (!makeDirectories(out).empty() ||
      !writeOutput(outputs, out + "/batch.csv", batchTable(specimens))) {
    return 1;
  }
  const std::string command =
      "'" + batch + "' '" + out + "/batch.csv' --units si --csv '" + out + "/batch-results.csv'";
  const int status = std::system(command.c_str());
  if (status != 0 && WEXITSTATUS(status) != 3) {  // 3: some row refused, named in its status
    std::cerr << "validate: " << command << " failed\n";
    return 1;
  }
  if (!readWholeFile(out + "/batch-results.csv", bytes, reason) ||
      !readCsv(bytes, false, records, reason)) {
    std::cerr << "validate: " << out << "/batch-results.csv: " << reason << "\n";
    return 1;
  }
  const std::vector<std::string>& header = records[0];
  std::map<std::string, std::vector<Prediction>> predictions;
  std::map<std::string, const Specimen*> byId;
  for (const Specimen& s : specimens) byId[s.id] = &s;
  for (std::size_t i = 1; i < records.size(); ++i) {
    const std::vector<std::string>& row = records[i];
    const std::string id = cellOf(header, row, "specimen");
    Prediction p{cellOf(header, row, "model"), cellOf(header, row, "status"),
                 cellOf(header, row, "end")};
    const double Mu = numberOf(cellOf(header, row, "Mu_kNm"));
    p.strength = Mu > 0 ? Mu / (byId.at(id)->lengthCm / 100) : 0;
    p.driftPct = 100 * numberOf(cellOf(header, row, "drift_u"));
    predictions[id].push_back(p);
  }

  // One row per specimen and model, and the summary.
  std::string results =
      "id,model,failure,drift_flag,status,end,Feff_max_kN,V_pred_kN,strength_ratio,"
      "drift_cap_pct,drift_pred_pct,drift_ratio\n";
  std::string summary = formatted(
      "%zu laboratory tests of rectangular tied columns, both models.\n\n", specimens.size());
  for (const ModelEntry& entry : modelTable()) {
    const char* model = entry.name;
    std::map<std::string, std::vector<double>> strength;
    std::vector<double> driftRatio, measured, predicted;
    std::map<std::string, int> noStrength, noDrift;
    int overTwice = 0;
    for (const Specimen& s : specimens) {
      for (const Prediction& p : predictions[s.id]) {
        if (p.model != model) continue;
        const double sr = p.strength > 0 ? s.feffMaxKn / p.strength : 0;
        const bool driftKnown = s.driftFlag == "both" && s.driftCapPct > 0;
        const double dr = driftKnown && p.driftPct > 0 ? s.driftCapPct / p.driftPct : 0;
        results +=
            csvLine({s.id, model, s.failure, s.driftFlag, p.status, p.end, doubleText(s.feffMaxKn),
                     sr > 0 ? doubleText(p.strength) : "", sr > 0 ? doubleText(sr) : "",
                     doubleText(s.driftCapPct), p.driftPct > 0 ? doubleText(p.driftPct) : "",
                     dr > 0 ? doubleText(dr) : ""}) +
            "\n";
        if (sr > 0) {
          strength[s.failure].push_back(sr);
          strength["All"].push_back(sr);
        } else {
          ++noStrength[missingReason(p, false)];
        }
        if (!driftKnown) continue;
        if (dr > 0) {
          driftRatio.push_back(dr);
          measured.push_back(s.driftCapPct);
          predicted.push_back(p.driftPct);
          overTwice += dr < 0.5;
        } else {
          ++noDrift[missingReason(p, true)];
        }
      }
    }
    std::string heading = entry.words;
    heading[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(heading[0])));
    summary += "### " + heading + "\n\n";
    summary += "| Feff,max / (Mu/L) | n | mean | CoV | median | min | max |\n";
    summary += "|---|---|---|---|---|---|---|\n";
    for (const char* group : {"Flexure", "Flexure-Shear", "All"}) {
      summary += statisticsRow(group, statisticsOf(strength[group]));
    }
    summary +=
        "\n| measured / predicted drift at ultimate (`both`) | n | mean | CoV | median | "
        "min | max |\n|---|---|---|---|---|---|---|\n";
    summary += statisticsRow("drift", statisticsOf(driftRatio));
    summary += formatted(
        "\nlog correlation of measured and predicted drift %.2f; over-predicted by "
        "more than 2x: %d.\n",
        logCorrelation(measured, predicted), overTwice);
    if (noStrength.empty()) summary += "Every test has a strength prediction.\n";
    for (const auto* missing : {&noStrength, &noDrift}) {
      for (const auto& [why, count] : *missing) {
        summary += formatted("No %s prediction: %d (%s).\n",
                             missing == &noStrength ? "strength" : "drift", count, why.c_str());
      }
    }
    summary += "\n";
  }
  const std::string strengthSvg =
      svgPicture("Strength: measured Feff,max against predicted Mu/L",
                 {scatter("force", "kN", specimens, predictions, false)});
  const std::string driftSvg = svgPicture(
      "Drift capacity: measured against predicted at ultimate (tests reaching it both ways)",
      {scatter("drift", "%", specimens, predictions, true)});
  writeOutput(outputs, out + "/results.csv", results);
  writeOutput(outputs, out + "/summary.md", summary);
  writeOutput(outputs, out + "/strength.svg", strengthSvg);
  writeOutput(outputs, out + "/drift.svg", driftSvg);
  std::cout << summary;
  return outputs.status;
}
