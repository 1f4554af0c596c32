#include "section_file/section_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "analysis/specified_model.h"
#include "section/bar_layout.h"
#include "section_file/section_text.h"
#include "textio/real_field.h"

namespace mphi {
namespace {

constexpr int kFieldWidth = 15;
constexpr std::size_t kTableRows = 500;
// Twenty abandoned steps in a row end a curve without equilibrium; every
// other end leaves at most twenty zero rows behind its last computed row.
constexpr std::size_t kNoEquilibriumRows = 20;

// A text record's line: the blank the record writer puts first, the text.
std::string textLine(const char* text) {
  return std::string(" ") + text;
}

struct Failure {
  int line;
  std::string message;
};

// The file's lines without their line ends, and the next one to read.
struct LineCursor {
  std::vector<std::string> lines;
  std::size_t next = 0;
};

LineCursor splitLines(const std::string& text) {
  LineCursor cursor;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    cursor.lines.push_back(line);
    at = end + 1;
  }
  return cursor;
}

bool atEnd(const LineCursor& c) {
  return c.next >= c.lines.size();
}

int lineNumber(const LineCursor& c) {
  return static_cast<int>(c.next) + 1;
}

// The next line, or a failure naming what was expected there.
const std::string& takeLine(LineCursor& c, const std::string& expected) {
  if (atEnd(c)) throw Failure{lineNumber(c), "file ends where " + expected + " should follow"};
  return c.lines[c.next++];
}

// One 15-character real field: F or E form, blanks around it. The echo
// may also hold NaN and infinities, which a failed run prints as read.
float fieldValue(const std::string& field, int line, bool finiteOnly) {
  const std::size_t first = field.find_first_not_of(' ');
  const std::size_t last = field.find_last_not_of(' ');
  const std::string text = first == std::string::npos ? "" : field.substr(first, last - first + 1);
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  const bool digitsOnly = text.find_first_not_of("0123456789.+-E") == std::string::npos;
  if (!finiteOnly && (text == "NaN" || text == "Infinity" || text == "-Infinity")) return value;
  if (text.empty() || !digitsOnly || *end != '\0' || !std::isfinite(value)) {
    throw Failure{line, "\"" + field + "\" is not a number field"};
  }
  return value;
}

std::vector<float> fieldsOfLine(const std::string& line, std::size_t count, int number,
                                const std::string& what, bool finiteOnly) {
  if (line.size() != count * kFieldWidth) {
    throw Failure{number, "expected " + what + " (" + std::to_string(count) +
                              " number fields of 15 characters)"};
  }
  std::vector<float> values;
  for (std::size_t i = 0; i < count; ++i) {
    values.push_back(fieldValue(line.substr(i * kFieldWidth, kFieldWidth), number, finiteOnly));
  }
  return values;
}

void expectText(LineCursor& lines, const char* text, const std::string& what) {
  const int number = lineNumber(lines);
  if (takeLine(lines, what) != textLine(text)) throw Failure{number, "expected " + what};
}

// A record of n reals, five to a line.
std::vector<float> realsRecord(LineCursor& lines, std::size_t n, const std::string& what) {
  std::vector<float> values;
  while (values.size() < n) {
    const std::size_t onLine = std::min<std::size_t>(5, n - values.size());
    const int number = lineNumber(lines);
    const std::vector<float> got = fieldsOfLine(takeLine(lines, what), onLine, number, what, false);
    values.insert(values.end(), got.begin(), got.end());
  }
  return values;
}

bool zeroRow(const TableRow& r) {
  return r.k == 0 && r.m == 0 && r.e == 0 && r.c == 0;
}

// What the table itself tells of how the curve ended.
CurveEnd endOfTable(const std::vector<TableRow>& rows) {
  if (rows.size() == kTableRows && !zeroRow(rows.back())) return CurveEnd::TableFull;
  std::size_t zeros = 0;
  for (std::size_t i = rows.size(); i > 1 && zeroRow(rows[i - 1]); --i) ++zeros;
  return zeros >= kNoEquilibriumRows ? CurveEnd::NoEquilibrium : CurveEnd::NotKnown;
}

// The curve the table gives as results: a curve without equilibrium gives
// none, and a section without main bars no first yield.
Curve resultCurve(std::vector<TableRow> rows, float My, float Ky, const SectionData& s,
                  CurveEnd end) {
  if (end == CurveEnd::NoEquilibrium) std::fill(rows.begin(), rows.end(), TableRow{});
  if (s.num1 == 0 && s.num2 == 0 && s.num3 == 0 && s.num4 == 0) My = Ky = 0;
  Curve c = curveFromTable(rows, My, Ky, tensionLayerDepth(s));
  c.end = end;
  return c;
}

SectionFile parse(const std::string& text) {
  LineCursor lines = splitLines(text);
  if (atEnd(lines)) throw Failure{1, "empty file: not a SECTION file written by mphi"};
  SectionFile f;
  if (lines.lines[0] != textLine(kEchoTitle)) {
    throw Failure{1,
                  "not a SECTION file written by mphi (its first line is not \"Section "
                  "data: in Ton-cm unit\")"};
  }
  expectText(lines, kEchoTitle, "the title");
  for (int record : {1, 2}) {
    const std::string what = record == 1 ? "the section data" : "the material data";
    expectText(lines, echoNames(record).c_str(), "the names of " + what);
    const std::vector<const SectionValue*> targets = echoRecord(record);
    const std::vector<float> values = realsRecord(lines, targets.size(), what);
    for (std::size_t i = 0; i < targets.size(); ++i) f.section.*targets[i]->member = values[i];
  }

  if (atEnd(lines)) {
    throw Failure{lineNumber(lines),
                  "file ends after the section data: the run that wrote it stopped before "
                  "the analysis (its diagnostic says why)"};
  }
  expectText(lines, kTableHeader, "the table header");
  const std::string row = "a table row";
  std::vector<TableRow> rows;
  while (atEnd(lines) || lines.lines[lines.next] != textLine(kYieldLabel)) {
    if (atEnd(lines)) {
      throw Failure{lineNumber(lines), "the table is cut short: no \"Initial yield\" record"};
    }
    const int number = lineNumber(lines);
    if (rows.size() == kTableRows) throw Failure{number, "more than 500 table rows"};
    const std::vector<float> v = fieldsOfLine(takeLine(lines, row), 4, number, row, true);
    rows.push_back({v[0], v[1], v[2], v[3]});
  }
  if (rows.empty()) throw Failure{lineNumber(lines), "the table has no rows"};
  takeLine(lines, "the initial-yield label");
  const int number = lineNumber(lines);
  const std::string values = takeLine(lines, "the initial-yield values");
  // The record's blank and the indent, My, two blanks, Ky.
  const std::string indent(1 + kYieldIndent, ' ');
  const std::size_t prefix = indent.size();
  if (values.size() != prefix + 2 * kFieldWidth + 2 || values.compare(0, prefix, indent) != 0 ||
      values.compare(prefix + kFieldWidth, 2, "  ") != 0) {
    throw Failure{number, "expected the initial-yield moment and curvature"};
  }
  const float My = fieldValue(values.substr(prefix, kFieldWidth), number, true);
  const float Ky = fieldValue(values.substr(prefix + kFieldWidth + 2, kFieldWidth), number, true);
  if (!atEnd(lines))
    throw Failure{lineNumber(lines), "unexpected text after the initial-yield values"};
  f.curve = resultCurve(rows, My, Ky, f.section, endOfTable(rows));
  return f;
}

}  // namespace

ParsedSection parseSectionFile(const std::string& text) {
  ParsedSection result;
  try {
    result.file = parse(text);
    result.ok = true;
  } catch (const Failure& failure) {
    result.errorLine = failure.line;
    result.error = failure.message;
  }
  return result;
}

float printedValue(float value) {
  return std::strtof(singleField(value).c_str(), nullptr);
}

SectionFile asWritten(const SectionData& section, const Curve& curve) {
  SectionFile f;
  f.section = section;
  for (int record : {1, 2}) {
    for (const SectionValue* v : echoRecord(record)) {
      f.section.*v->member = printedValue(section.*v->member);
    }
  }
  std::vector<TableRow> rows = tableOf(curve);
  for (TableRow& r : rows) {
    for (float* v : {&r.k, &r.m, &r.e, &r.c}) *v = printedValue(*v);
  }
  // The model knows what the file does not: rows whose search gave up.
  for (const CurvePoint& p : curve.points) {
    if (!p.balanced) rows[static_cast<std::size_t>(p.row) - 1] = {};
  }
  const KeyPoint& yield = curve.keys.firstYield;
  const float My = yield.exists ? printedValue(static_cast<float>(yield.M)) : 0.0f;
  const float Ky = yield.exists ? printedValue(static_cast<float>(yield.phi)) : 0.0f;
  f.curve = resultCurve(rows, My, Ky, f.section, curve.end);
  f.curve.keys.firstYield.row = curve.keys.firstYield.row;
  f.curve.events = curve.events;
  f.curve.constants = curve.constants;
  return f;
}

}  // namespace mphi
