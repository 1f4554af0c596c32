// One entry per model: its name, what it checks, its analysis and figures,
// its result columns, its report as JSON, text and plot, its lines on the
// P-M diagram and what the page shows of it. The tools, the page and
// Python look a model up here and never branch on which it is: a model
// more is an entry more.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "curve/analysis_request.h"
#include "model/section_result.h"
#include "section/fault.h"
#include "section/units.h"

namespace mphi {

// A cell of a result table: a word, or a value in tons and centimetres.
struct ResultCell {
  std::string text;
  bool exists = false;
  double value = 0;
  bool single = false;  // one of SECTION's floats: printed as the float it is
};
// A word; an empty one is a cell without a value.
ResultCell wordCell(const std::string& text);

// A result column: its name before the unit, the quantity whose unit ends
// the name (none for counts, ratios and words), and its cell of a result.
struct ResultColumn {
  const char* name;
  std::optional<Quantity> quantity;
  ResultCell (*cell)(const SectionResult& result);
};

// A moment drawn against the load on the P-M diagram, beside Mu.
struct CapacityLine {
  const char* name;  // for the legend: "Mn (Priestley)"
  const char* className;
  const char* colour;
  const char* dash;
  bool (*moment)(const SectionResult& result, double& M);  // T.cm; false where there is none
};

// A figure on the page: where it sits in the figures' table, and where its
// value is in the report's JSON.
struct FigureRow {
  std::string group;  // "Peak", or "" under the row above
  std::string label;  // "Mu (T·cm)"
  std::string id;     // the cell's id after "fig-"
  std::string value;  // a JSON pointer into the report, "" for none
  int digits = 6;     // significant digits shown
  double scale = 1;   // 100 for a ratio shown in per cent
};

// A download the page offers: its link's words, its file name, and the key
// of the model's answer that holds its text.
struct PageFile {
  const char* label;
  const char* name;
  const char* key;
};

struct ModelEntry {
  Model model;
  const char* name;    // "spec": --model, the batch's model column, the page, Python
  const char* words;   // "specified model", as a reader is told
  const char* help;    // what --model says of it
  bool writesSection;  // its curve is the one mphi writes to SECTION
  bool takesBars;      // it takes explicit bar counts

  // What the model makes of a request before it sees the section, and of
  // the two together beyond the section data check.
  std::optional<Fault> (*checkRequest)(const Analysis& analysis);
  std::optional<Fault> (*checkFit)(const SectionData& section, const Analysis& analysis);
  // The curve, the section and curve its figures are read from, and the
  // figures of those (`result.reported`) for the request's length.
  Curve (*trace)(const SectionData& section, const Analysis& analysis);
  SectionFile (*reported)(const SectionData& section, const Curve& curve);
  void (*figures)(SectionResult& result);

  std::vector<ResultColumn> columns;  // from how the curve ended on
  // The column's drift capacity and shear strength among its figures.
  const DriftCapacity& (*capacity)(const SectionResult& result);
  std::string (*json)(const SectionResult& result, const Units& units);
  std::string (*text)(const SectionResult& result, const Units& units);
  std::string (*plot)(const SectionResult& result, const Units& units);
  // Python's Curve.key_points and Curve.idealisation, as JSON objects.
  std::string (*keyPointsJson)(const SectionResult& result, const Units& units);
  std::string (*idealisationJson)(const SectionResult& result, const Units& units);
  std::vector<CapacityLine> capacities;  // P-M lines beside Mu

  // The page: its curve's look on the chart of every model, its figures,
  // the attribute of the results that holds how its curve ended, and the
  // files it offers.
  const char* colour;
  std::vector<FigureRow> (*figureRows)(const SectionResult& result, const Units& units);
  const char* endAttribute;
  std::vector<PageFile> files;
};

// Every model, in the order the tools list them; the first is mphi's own
// and the default.
const std::vector<ModelEntry>& modelTable();
const ModelEntry& modelEntry(Model model);
// nullptr when no model has that name.
const ModelEntry* findModel(const std::string& name);
// The model that writes SECTION, whose figures a SECTION file read back
// gives.
const ModelEntry& sectionModel();

// "spec", "assessment": the names in the table's order.
std::vector<std::string> modelNames();
// "spec, assessment" or "spec or assessment": the names for a message.
std::string modelNameList(const char* lastJoin);
// "assessment model": the words of the models that take explicit bars.
std::string barModelWords();

// The result columns every model ends with: its drift capacity, the
// governing mode, each mode's drift, the shear strength and its class.
std::vector<ResultColumn> capacityColumns();
// The page's rows of the same, their ids after `prefix`.
std::vector<FigureRow> capacityRows(const DriftCapacity& capacity, const std::string& prefix,
                                    const Units& units);

// The two models' entries, each in a file of its own.
ModelEntry specifiedModelEntry();
ModelEntry assessmentModelEntry();

}  // namespace mphi
