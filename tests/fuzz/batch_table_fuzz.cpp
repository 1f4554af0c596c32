// mphi-batch's table reader on arbitrary bytes, and its first rows through
// the batch: a table that cannot be read says why, every row gets a status,
// and nothing crashes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "batch/batch_run.h"
#include "batch/section_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mphi;
  SectionTable table = parseSectionTable(std::string(reinterpret_cast<const char*>(data), size));
  if (!table.error.empty()) return 0;
  if (table.header.empty()) std::abort();
  for (const auto& row : table.rows) {
    if (row.size() != table.header.size()) std::abort();
  }
  if (table.rows.size() > 3) table.rows.resize(3);  // a few analyses per input
  BatchRequest request;
  request.sectionFiles = true;
  const BatchResult result = runBatch(table, request);
  if (result.refused > table.rows.size() || result.table.header.empty()) std::abort();
  return 0;
}
