#include "model/analysis_request.h"

#include <algorithm>
#include <cmath>

#include "model/model_table.h"
#include "textio/blanks.h"
#include "textio/number_reader.h"

namespace mphi {
namespace {

// A number as mphi reads its input, to the nearest double.
bool readNumber(std::string text, bool decimalComma, double& value) {
  if (decimalComma) std::replace(text.begin(), text.end(), ',', '.');
  return readNumberToken(text, value) && std::isfinite(value);
}

}  // namespace

std::string requestFaultText(const RequestFault& fault) {
  return "\"" + fault.text + "\" " + fault.reason;
}

std::optional<RequestFault> readRequest(const RequestTexts& t, const RequestFormat& format,
                                        Analysis& a) {
  if (!isBlank(t.model)) {
    const ModelEntry* m = findModel(trimmed(t.model));
    if (m == nullptr) return RequestFault{"model", t.model, "is neither " + modelNameList(" nor ")};
    a.model = m->model;
  }
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

std::optional<Fault> checkRequest(const Analysis& a) {
  return modelEntry(a.model).checkRequest(a);
}

}  // namespace mphi
