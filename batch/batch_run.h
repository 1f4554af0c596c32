// A table of sections through mphi's analysis: each row analysed exactly as
// mphi analyses the 22 values made of that row's cells, optionally at
// several loads, on a few threads.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "batch/section_table.h"
#include "model/section_result.h"
#include "textio/text_table.h"

namespace mphi {

struct BatchRequest {
  Analysis analysis;          // unless a row's model, bars_face, bars_side or L cells say otherwise
  Units units;                // of the results
  std::vector<float> loads;   // tons, in place of each row's P0; empty: the row's own
  bool sectionFiles = false;  // SECTION files wanted: ids must be safe names
  bool decimalComma = false;  // results written with decimal commas ("2,5")
  int jobs = 1;
  std::function<void(std::size_t)> done;  // analyses finished so far
  // For a table cut into parts: the data row number of the row before
  // this part's first, and the ids of the earlier parts with their rows.
  std::size_t firstRow = 0;
  std::map<std::string, std::size_t> earlierIds;
};

struct SectionFileOut {
  std::string folder;  // relative: "<id>" or "<id>/load-NN"
  std::string bytes;   // its SECTION
};

struct BatchResult {
  TextTable table;                       // the results: the table's cells, status, results
  std::size_t refused = 0;               // rows refused
  std::vector<std::size_t> refusedRows;  // their data row numbers
  std::size_t tableRows = 0;             // data rows of the table
  std::size_t analyses = 0;
  std::vector<SectionFileOut> sections;  // when asked for, in row order
  std::vector<Model> modelsRan;          // by rows not refused, in the table's order
};

// The result columns after "status": one model's when every row that runs
// uses it (`fallback`'s when none runs); when the rows mix models, the
// columns of the last of them in the model table's order, then each
// earlier one's others.
std::vector<std::string> batchColumns(const std::vector<Model>& modelsRan, Model fallback,
                                      const Units& units);

// The analyses a request makes of a table, for a progress count.
std::size_t analysesOf(const SectionTable& table, const BatchRequest& request);

BatchResult runBatch(const SectionTable& table, const BatchRequest& request);

}  // namespace mphi
