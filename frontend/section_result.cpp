#include "frontend/section_result.h"

#include <cstdio>
#include <cstdlib>

#include "analysis/analysis.h"
#include "driver/section_input.h"

namespace mphi {
namespace {

// The fewest significant digits that read back as the same value; printf
// rounds the exact binary value correctly, on every library.
template <typename Real>
std::string shortest(Real value, int fewest, int most, Real (*read)(const char*, char**)) {
  char text[320];  // %g of any double fits
  for (int digits = fewest; digits < most; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (read(text, nullptr) == value) return text;
  }
  std::snprintf(text, sizeof text, "%.*g", most, static_cast<double>(value));
  return text;
}

}  // namespace

std::string floatText(float value) {
  return shortest(value, 6, 9, std::strtof);
}

std::string doubleText(double value) {
  return shortest(value, 15, 17, std::strtod);
}

SectionResult analyseForReport(const SectionData& section) {
  SectionResult r;
  r.curve = computeCurve(section);
  r.sectionText = sectionFileText(section, r.curve);
  // Read back as mphi-report reads SECTION, so that the figures are the
  // report's to the last digit.
  r.file = parseSectionFile(r.sectionText).file;
  r.report = reportCurve(r.file);
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
  const CurveSummary& s = r.report.summary;
  const Caltrans& c = r.report.caltrans;
  const Priestley& p = r.report.priestley;
  const bool computed = s.end != CurveEnd::NothingComputed;
  const bool caltrans = c.state == CaltransState::Done;
  auto single = [](bool exists, double v) {
    return exists ? floatText(static_cast<float>(v)) : std::string();
  };
  auto wide = [](bool exists, double v) { return exists ? doubleText(v) : std::string(); };
  return {endingName(r.curve.ending),     std::to_string(r.curve.rows.size()),
          single(s.yielded, r.file.Ky),   single(s.yielded, r.file.My),
          single(computed, s.peak.m),     single(computed, s.peak.k),
          single(computed, s.ultimate.k), wide(caltrans, c.Mp),
          wide(caltrans, c.phiYi),        wide(caltrans, c.muPhi),
          wide(p.available, p.Mn),        wide(p.yielded, p.phiY),
          wide(p.yielded, p.muPhi)};
}

}  // namespace mphi
