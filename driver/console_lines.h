// mphi's console lines of one analysis: the confined strength first, then
// what happened step by step, then how the curve ended. The Chinese words
// are Big5 bytes, written as they stand whatever the console's encoding.
#pragma once

#include "curve/curve.h"
#include "textio/record_writer.h"

namespace mphi {

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
constexpr char kPastRowLimit[] = "k-m data error";
constexpr char kNoEquilibrium[] = "no equilibrium found for P0";

void writeConsoleLines(RecordWriter& console, const Curve& curve);

}  // namespace mphi
