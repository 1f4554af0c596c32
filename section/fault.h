// A fault in the data as a value: which field, the value it holds, and why
// the analysis cannot take it. Front ends decide how to show it.
#pragma once

#include <string>

namespace mphi {

struct Fault {
  std::string field;   // a section value ("r") or a constant derived from them ("rcc")
  std::string value;   // as written or worked out: "2", "-25.99063", "0,21"
  std::string reason;  // "main steel area exceeds the tie-confined core"
};

// A number as faults show it: 7 significant digits, "NaN", "Infinity".
std::string valueText(double value);
Fault faultOf(const char* field, double value, const char* reason);

// "r = 2: main steel area exceeds the tie-confined core"; "n_bars: ..."
// where the value is missing.
std::string faultText(const Fault& fault);
// "invalid section data: r = 2: main steel area exceeds the tie-confined core".
std::string invalidDataText(const Fault& fault);

}  // namespace mphi
