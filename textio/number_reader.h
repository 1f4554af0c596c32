// Free-format (list-directed) reading of reals: blanks, tabs, commas and line
// ends separate values; "r*v" repeats, "r*" and empty commas leave targets
// unchanged, "/" ends the list.
#pragma once

#include <cstddef>
#include <string>

#include "textio/line_source.h"

namespace mphi {

// Diagnostic numbers that a read can raise.
constexpr int kEndOfFileDuringRead = 24;
constexpr int kErrorDuringRead = 39;
constexpr int kSyntaxError = 59;
constexpr int kConversionError = 64;

struct NumberReader {
  LineSource lines;
};

// One number as a statement reads it ("4.2", "42E-1", "0.42+1"), blanks
// and tabs around it passed over, stored as the nearest float; false when
// the text is not one number.
bool readNumberToken(const std::string& text, float& value);
// The same number, the nearest double.
bool readNumberToken(const std::string& text, double& value);

// Fills `targets` in order from a new line of the reader's source. Returns 0
// when the last target is done, else the number of the diagnostic that ends
// the run; targets filled before a failure keep their new values, and
// `reached` (when given) is the index of the target being read then.
int readReals(NumberReader& reader, float* const targets[], std::size_t count,
              std::size_t* reached = nullptr);

}  // namespace mphi
