// Reading back a SECTION file written by mphi: the echo of the section
// data, the moment-curvature table and the initial-yield point.
#pragma once

#include <string>
#include <vector>

namespace mphi {

struct TableRow {
  float k = 0;  // curvature, 1/cm
  float m = 0;  // moment, T.cm
  float e = 0;  // extreme-fibre strain
  float c = 0;  // neutral-axis depth, cm
};

struct SectionFile {
  // The echo: b, h, dt, clearh2cm, cln3, cln4, dcm, num1..num4, clearb1cm
  // and dbcm, sccm, fc, fy, fsy, Es, P0.
  float b = 0, h = 0, dt = 0, clearh2cm = 0, cln3 = 0, cln4 = 0, dcm = 0;
  float num[4] = {};
  float clearb1cm = 0, dbcm = 0, sccm = 0, fc = 0, fy = 0, fsy = 0, Es = 0, P0 = 0;
  std::vector<TableRow> rows;  // row 1 first
  float My = 0, Ky = 0;
};

struct ParsedSection {
  bool ok = false;
  SectionFile file;
  int errorLine = 0;  // 1-based line of the first error
  std::string error;
};

ParsedSection parseSectionFile(const std::string& text);

}  // namespace mphi
