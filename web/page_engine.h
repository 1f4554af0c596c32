// What the web page asks of the analysis, as one JSON request and one JSON
// answer, so that the page's worker makes a single call per change.
#pragma once

#include <string>

namespace mphi {

// Request: {"values": {"b": "40", "h": "35", ..., "r": "0.02"}, "L": "200"},
// the form's texts (or numbers), read with mphi's number grammar; "L" may
// be empty. Answer: {"ok": true, "section": SECTION's bytes, "report": the
// text of mphi-report's JSON, "csv", "svg" (the M-phi plot),
// "interaction_svg", "sweep_csv", "end", "end_words"} or {"ok": false,
// "field": a form field or "", "message": the data check's own line or the
// value's fault}. Never throws: any text gets one of these answers.
//
// {"describe": true} answers {"ok": true, "values": [{"name", "unit",
// "meaning", "example"}, ...]}: the values the form asks for, in order.
std::string computePage(const std::string& request);

}  // namespace mphi
