#include "model/analysis_request.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "model/model_table.h"
#include "textio/blanks.h"
#include "textio/formatted.h"
#include "textio/number_reader.h"

namespace mphi {
namespace {

// A number as mphi reads its input, to the nearest double.
bool readNumber(std::string text, bool decimalComma, double& value) {
  // A point where commas mark the decimals is 3.5 or 3500: refused.
  if (decimalComma && text.find('.') != std::string::npos) return false;
  if (decimalComma) std::replace(text.begin(), text.end(), ',', '.');
  return readNumberToken(text, value) && std::isfinite(value);
}

}  // namespace

std::string requestFaultText(const RequestFault& fault) {
  return "\"" + fault.text + "\" " + fault.reason;
}

namespace {

// Names are read whatever their case and blanks around them.
std::string lowered(const std::string& text) {
  std::string name = trimmed(text);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

// `text` as one of `values` by its name, into `chosen`.
template <typename Value>
std::optional<RequestFault> readName(const char* field, const std::string& text,
                                     std::initializer_list<Value> values,
                                     const char* (*nameOf)(Value), Value& chosen) {
  if (isBlank(text)) return std::nullopt;
  std::string choices;
  for (Value v : values) {
    if (lowered(text) == nameOf(v)) {
      chosen = v;
      return std::nullopt;
    }
    choices += std::string(choices.empty() ? "" : " nor ") + nameOf(v);
  }
  return RequestFault{field, text, "is neither " + choices};
}

// Counts and lengths: numbers as mphi reads its input.
std::optional<RequestFault> readCounts(const RequestTexts& t, const RequestFormat& format,
                                       Analysis& a) {
  if (!isBlank(t.barsFace) || !isBlank(t.barsSide)) {
    BarCounts bars;
    if (!readNumber(t.barsFace, format.decimalComma, bars.face)) {
      return RequestFault{"bars_face", t.barsFace, "is not a number"};
    }
    if (!isBlank(t.barsSide) && !readNumber(t.barsSide, format.decimalComma, bars.side)) {
      return RequestFault{"bars_side", t.barsSide, "is not a number"};
    }
    a.bars = bars;
  }
  const struct {
    const char* field;
    const std::string& text;
    double& value;
  } counts[] = {{"legs_b", t.legsB, a.legs.b},
                {"legs_h", t.legsH, a.legs.h},
                {"n_bars", t.circleBars, a.circleBars}};
  for (const auto& c : counts) {
    if (!isBlank(c.text) && !readNumber(c.text, format.decimalComma, c.value)) {
      return RequestFault{c.field, c.text, "is not a number"};
    }
  }
  if (!isBlank(t.length)) {
    double L = 0;
    if (!readNumber(t.length, format.decimalComma, L) || !(L > 0)) {
      return RequestFault{"L", t.length, "is not a positive length"};
    }
    a.length =
        format.lengthFactor > 0 ? L * format.lengthFactor : format.units.from(Quantity::Length, L);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> lengthOutOfRange(const SectionData& s, const Analysis& a,
                                            const std::string& unit, double cmPerUnit) {
  // Shorter than its depth a member is no column; past 30 times it, no
  // column stands.
  const double ratio = a.length / s.h;
  if (!(a.length > 0) || (ratio >= 1 && ratio <= 30)) return std::nullopt;
  const bool circle = a.shape == SectionShape::Circular;
  return formatted(
      "L = %g %s is %.3g times the section %s = %g %s (a column is 1 to 30 times "
      "as long)",
      a.length / cmPerUnit, unit.c_str(), ratio, circle ? "diameter D" : "depth h", s.h / cmPerUnit,
      unit.c_str());
}

std::optional<RequestFault> readRequest(const RequestTexts& t, const RequestFormat& format,
                                        Analysis& a) {
  if (!isBlank(t.model)) {
    const ModelEntry* m = findModel(lowered(t.model));
    if (m == nullptr) return RequestFault{"model", t.model, "is neither " + modelNameList(" nor ")};
    a.model = m->model;
  }
  if (auto fault = readName("shape", t.shape, {SectionShape::Rectangular, SectionShape::Circular},
                            shapeName, a.shape)) {
    return fault;
  }
  if (auto fault = readName("transverse", t.transverse, {Transverse::Spiral, Transverse::Hoops},
                            transverseName, a.transverse)) {
    return fault;
  }
  return readCounts(t, format, a);
}

std::optional<Fault> checkRequest(const Analysis& a) {
  constexpr double kMostLegs = 1000;  // far beyond any column
  for (const auto& [field, legs] :
       {std::pair<const char*, double>{"legs_b", a.legs.b}, {"legs_h", a.legs.h}}) {
    if (!(legs >= 2)) return faultOf(field, legs, "a tie has at least 2 legs in each direction");
    if (legs > kMostLegs) return faultOf(field, legs, "at most 1000 tie legs in a direction");
  }
  return modelEntry(a.model).checkRequest(a);
}

}  // namespace mphi
