// Everything the analysis writes: its console lines, and the results table
// with the initial-yield point in SECTION.
#pragma once

#include <string>

#include "analysis/curve.h"
#include "textio/record_writer.h"

namespace mphi {

// Console texts; the Chinese words are Big5 bytes, written as they stand.
// "reached 0.8Mu", "compression bars failed", "tension bars failed".
constexpr char kReachedPointEight[] =
    "\xB9\x46\xA8\xEC"
    "0.8Mu";
constexpr char kCompressionBarsFailed[] =
    "\xC0\xA3\xA4\x4F\xB5\xAC\xAF\x7D\xC3\x61"
    "--40.ey";
constexpr char kTensionBarsFailed[] =
    "\xA9\xD4\xA4\x4F\xB5\xAC\xAF\x7D\xC3\x61"
    "--40.ey";
constexpr char kTableFullWarning[] = "k-m data error";
constexpr char kNoEquilibrium[] = "no equilibrium found for P0";

// SECTION's texts around the table; mphi-report reads them back.
constexpr char kTableHeader[] = "--- k(J) ---    m(J) ---   e(j)  ---   c(j) ---";
constexpr char kYieldLabel[] = "Initial yield: M      K";
constexpr int kYieldIndent = 11;  // blanks before My

void writeConsoleText(RecordWriter& console, const std::string& text);
void writeStrengthLine(RecordWriter& console, double fcc, float fc1);
void writeStrainLine(RecordWriter& console, float Ecm);
void writeFailureLine(RecordWriter& console, const std::string& what, const char* name,
                      float strain);

// SECTION's records after the echo: the table, then the initial-yield point.
void writeReport(RecordWriter& writer, const Curve& curve);

}  // namespace mphi
