// The exit statuses of mphi and its tools, in one place. mphi's own
// diagnostics (the reader's 24, 39, 59, 64, SECTION's 9, 29, 30, 43, 47,
// the writer's 38) keep their numbers; the tools add these.
#pragma once

namespace mphi {

constexpr int kExitDone = 0;
constexpr int kExitWriteFailed = 1;   // an output file or stream could not be written
constexpr int kExitUsage = 2;         // bad arguments, or an input that is not what the tool reads
constexpr int kExitRowsRefused = 3;   // mphi-batch: some row was refused; the others ran
constexpr int kExitInvalidData = 65;  // section data the analysis cannot take (EX_DATAERR)

}  // namespace mphi
