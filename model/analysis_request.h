// The one request parser: what a user asks beyond the section's 22 values
// (the model, explicit bar counts, tie legs, the column length) as the command
// line, a batch row, the page's form or Python gives it, into an Analysis.
// Every front end reads the same texts the same way, so the same request
// gives the same figures to the last bit in every tool.
#pragma once

#include <optional>
#include <string>

#include "curve/analysis_request.h"
#include "section/fault.h"
#include "section/section_data.h"
#include "section/units.h"

namespace mphi {

// The request as texts; a blank text leaves that part as it was.
struct RequestTexts {
  std::string model;       // a model's name: "spec", "assessment"
  std::string barsFace;    // bars on each face, a whole number
  std::string barsSide;    // bars on each side face between the corners
  std::string length;      // the column length
  std::string legsB;       // tie legs parallel to b
  std::string legsH;       // tie legs parallel to h, the bending direction
  std::string shape;       // "rectangular" or "circular", in any case
  std::string circleBars;  // a circular section's bars, a whole number
  std::string transverse;  // "spiral" or "hoops", in any case
};

// How the texts are written: with a decimal comma ("2,5") where a table
// is, and the length in the units' length, or in a column's own unit
// (`lengthFactor` to cm, from "L_mm").
struct RequestFormat {
  Units units;
  bool decimalComma = false;
  double lengthFactor = 0;  // 0: in the units' length
};

// A request that cannot be read: the field ("model", "bars_face",
// "bars_side", "L", "legs_b", "legs_h", "shape", "n_bars", "transverse"),
// the text as given and why.
struct RequestFault {
  std::string field;
  std::string text;
  std::string reason;  // "is not a number"
};
// "\"x\" is not a number": the text quoted, then the reason.
std::string requestFaultText(const RequestFault& fault);

// Reads the texts onto `analysis`; the parts they leave blank keep their
// values. A text that is not what its part needs is a RequestFault.
std::optional<RequestFault> readRequest(const RequestTexts& texts, const RequestFormat& format,
                                        Analysis& analysis);

// A column length outside 1 to 30 times the section's depth h (a circle's
// diameter D), most likely typed in another unit: "L = 300 m is 857 times
// the section depth h = 0.35 m (a column is 1 to 30 times as long)", in the
// unit the length was read in (its name, and cm per unit). The caller says
// which unit its input takes. Nothing without a length.
std::optional<std::string> lengthOutOfRange(const SectionData& section, const Analysis& analysis,
                                            const std::string& unit, double cmPerUnit);

// What is wrong with the request before a section is seen: fewer than 2
// tie legs in a direction, then what the model makes of it (bar counts
// for a model that takes none, counts that are no whole numbers).
std::optional<Fault> checkRequest(const Analysis& analysis);

}  // namespace mphi
