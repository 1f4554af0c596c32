// What the web page asks of the analysis, as one JSON request and one JSON
// answer, so that the page's worker makes a single call per change.
#pragma once

#include <string>

namespace mphi {

// Request: {"values": {"b": "40", "h": "35", ..., "r": "0.02"}, "L": "200",
// "model", "units", "bars_face", "bars_side", "legs_b", "legs_h", "shape",
// "D", "n_bars", "transverse"}: the form's texts (or numbers), read with
// mphi's number grammar and the request parser; any but the values may be
// left out or empty, and a circle's D stands for its b and h. "model":
// "both" (the default) or one model's name.
//
// Answer: {"ok": true, "section_svg": the section drawn to scale, "models":
// [one per model run: {"name", "words", "end", "end_words",
// "end_attribute", "report" (mphi-report's JSON), "csv", "svg" (the M-phi
// plot), "interaction_svg", "sweep_csv", "section" (SECTION's bytes, for
// the model that writes it), "figures" (the figures' rows: group, label,
// id, JSON pointer into the report, digits, scale), "files" (downloads:
// label, file name, key)}], "models_svg" with more than one} or {"ok":
// false, "field": a form field or "", "message": the data check's own line
// or the value's fault}. Never throws: any text gets one of these answers.
//
// {"describe": true} answers {"ok": true, "values": [{"name", "unit",
// "meaning", "example"}, ...], "models": [{"name", "words"}, ...]}: the
// values the form asks for, in order, and the models it offers.
std::string computePage(const std::string& request);

}  // namespace mphi
