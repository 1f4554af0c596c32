// A table of sections as a spreadsheet writes it: CSV with a header row,
// LF or CR LF line ends, quoted fields, an optional UTF-8 byte-order mark;
// or, where the header has semicolons and no commas (a European export),
// semicolons between cells and a decimal comma in the numbers. Columns are
// found by name whatever their case, blanks around them or a unit, in
// brackets or after an underscore: "B", " b ", "b (cm)", "b_mm",
// "fc_MPa", "P0_kN".
#pragma once

#include <map>
#include <string>
#include <vector>

namespace mphi {

// Where a value's column is and what turns its numbers into mphi's units.
struct TableColumn {
  int index = -1;     // in the header; -1 where the table has none
  double factor = 1;  // to tons, centimetres and T/cm2; 1 for mphi's own unit
  std::string unit;   // the unit the header names, as shown ("MPa"); empty where it names none
};

struct SectionTable {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // as many cells as the header
  bool decimalComma = false;                   // "0,21" means 0.21
  // By mphi's names: the given values, and id, model, bars_face, bars_side
  // and L where the table has them.
  std::map<std::string, TableColumn> columns;
  std::string error;  // why the table cannot be read at all, or empty
  // Why each data row is refused before its cells are read ("has 15
  // cells, the header 14: ..."), or empty.
  std::vector<std::string> rowErrors;
};

// The columns every table must have: the values a user gives mphi, by
// their names.
std::vector<std::string> requiredColumns();

// Why a header cell that names one of mphi's values does so in a unit it
// does not know: "\"b_in\": in is not a unit of b (mm, cm, m)"; empty for
// any other cell.
std::string unknownUnitText(const std::string& cell);

// Reads the table from the file's bytes; a row shorter than the header is
// filled with empty cells, a longer one refused alone (rowErrors). Every missing column
// is named, and a value given twice (in two units) is refused.
SectionTable parseSectionTable(const std::string& bytes);

// The same from a header and the rows of cells already read.
SectionTable sectionTableOf(std::vector<std::string> header,
                            std::vector<std::vector<std::string>> rows, bool decimalComma);

// A number cell of `column` in mphi's units, read with mphi's number
// grammar; false when the cell is no number, or has a point in a table of
// decimal commas ("3.500": 3.5 or 3500?).
// Why a cell readCell refuses cannot be read: "is not a number", or its
// ambiguous point.
std::string cellProblem(const SectionTable& table, const std::string& cell);

bool readCell(const SectionTable& table, const TableColumn& column, const std::string& cell,
              float& value);

}  // namespace mphi
