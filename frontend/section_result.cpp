#include "frontend/section_result.h"

#include "analysis/specified_model.h"
#include "textio/number_text.h"

namespace mphi {

SectionResult analyseForReport(const SectionData& section, double length) {
  SectionResult r;
  r.section = section;
  r.curve = specifiedCurve(section);
  r.written = asWritten(section, r.curve);
  r.figures = specifiedFigures(r.written.section, r.written.curve, length);
  return r;
}

const std::vector<std::string>& resultHeader() {
  static const std::vector<std::string> kHeader = {
      "end",           "rows",         "Ky_per_cm",       "My_Tcm",        "Mu_Tcm",
      "phi_Mu_per_cm", "phi_u_per_cm", "Mp_Tcm",          "phi_yi_per_cm", "mu_phi_caltrans",
      "Mn_Tcm",        "phi_y_per_cm", "mu_phi_priestley"};
  return kHeader;
}

std::vector<std::string> resultCells(const SectionResult& r) {
  const Curve& w = r.written.curve;
  const KeyPoints& k = w.keys;
  const Caltrans& c = r.figures.caltrans;
  const Priestley& p = r.figures.priestley;
  const bool any = computed(w);
  const bool caltrans = c.state == CaltransState::Done;
  // The table's values are floats: their own shortest texts.
  auto single = [](bool exists, double v) {
    return exists ? floatText(static_cast<float>(v)) : std::string();
  };
  auto wide = [](bool exists, double v) { return exists ? doubleText(v) : std::string(); };
  return {endName(r.curve.end),
          std::to_string(r.curve.tableRows),
          single(k.firstYield.exists, k.firstYield.phi),
          single(k.firstYield.exists, k.firstYield.M),
          single(any, k.peak.M),
          single(any, k.peak.phi),
          single(any, k.ultimate.phi),
          wide(caltrans, c.Mp),
          wide(caltrans, c.phiYi),
          wide(caltrans, c.muPhi),
          wide(p.available, p.Mn),
          wide(p.yielded, p.phiY),
          wide(p.yielded, p.muPhi)};
}

}  // namespace mphi
