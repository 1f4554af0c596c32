#include "validation/specimen.h"

#include <algorithm>
#include <cstdlib>

#include "section/units.h"

namespace mphi {
namespace {

struct Cells {
  const std::vector<std::string>& header;
  const std::vector<std::string>& row;
  std::string& error;

  const std::string* cell(const char* name) const {
    const auto at = std::find(header.begin(), header.end(), name);
    if (at == header.end() || static_cast<std::size_t>(at - header.begin()) >= row.size()) {
      error = std::string("no ") + name + " column";
      return nullptr;
    }
    return &row[static_cast<std::size_t>(at - header.begin())];
  }

  bool number(const char* name, double& value) const {
    const std::string* text = cell(name);
    if (text == nullptr) return false;
    char* end = nullptr;
    value = std::strtod(text->c_str(), &end);
    if (text->empty() || *end != '\0') {
      error = std::string(name) + ": \"" + *text + "\" is not a number";
      return false;
    }
    return true;
  }
};

// As the analysis converts: MPa to T/cm2 by 0.0102, kN to T by 9.81.
float fromMPa(double mpa) {
  return static_cast<float>(mpa * kTonPerCm2InMPa);
}
float fromMm(double mm) {
  return static_cast<float>(mm / kMmPerCm);
}

// A spiral test's own columns: D for b and h, its bars round the circle.
bool spiralOf(const Cells& c, double& b, double& h, double& cover, double& r, double& tie,
              double& spacing, Specimen& s) {
  if (!c.number("D_mm", b) || !c.number("cover_to_spiral_centre_mm", cover) || !c.number("r", r) ||
      !c.number("spiral_diam_mm", tie) || !c.number("pitch_mm", spacing) ||
      !c.number("n_bars", s.circleBars)) {
    return false;
  }
  h = b;
  return true;
}

bool rectangleOf(const Cells& c, double& b, double& h, double& cover, double& r, double& tie,
                 double& spacing, Specimen& s) {
  double face, side, legs;
  if (!c.number("b_mm", b) || !c.number("h_mm", h) || !c.number("cover_to_tie_centre_mm", cover) ||
      !c.number("r", r) || !c.number("n_face", face) || !c.number("n_side", side) ||
      !c.number("tie_diam_mm", tie) || !c.number("tie_spacing_mm", spacing) ||
      !c.number("n_legs", legs)) {
    return false;
  }
  s.bars = {face, side};
  s.legs = {legs, legs};
  return true;
}

}  // namespace

bool specimenOf(const std::vector<std::string>& header, const std::vector<std::string>& row,
                Specimen& s, std::string& error) {
  const Cells c{header, row, error};
  double b, h, cover, fc, fy, fyh, r, bar, tie, spacing, P, L, feff, drift;
  const bool spiral = std::find(header.begin(), header.end(), "D_mm") != header.end();
  const std::string *id = c.cell("id"), *failure = c.cell("failure"),
                    *flag = c.cell("drift_cap_Feff_flag");
  if (id == nullptr || failure == nullptr || flag == nullptr ||
      !(spiral ? spiralOf(c, b, h, cover, r, tie, spacing, s)
               : rectangleOf(c, b, h, cover, r, tie, spacing, s)) ||
      !c.number("fc_MPa", fc) || !c.number("fy_MPa", fy) || !c.number("fyh_MPa", fyh) ||
      !c.number("bar_diam_mm", bar) || !c.number("P_kN", P) || !c.number("L_mm", L) ||
      !c.number("Feff_max_kN", feff)) {
    return false;
  }
  const std::string* driftText = c.cell("drift_cap_Feff_pct");
  if (driftText == nullptr) return false;
  drift = driftText->empty() ? 0 : std::strtod(driftText->c_str(), nullptr);
  s.id = *id;
  s.failure = *failure;
  s.driftFlag = *flag;
  SectionData& d = s.section;
  d.b = fromMm(b);
  d.h = fromMm(h);
  d.clearb1cm = fromMm(cover);
  d.dcm = fromMm(bar);
  d.dbcm = fromMm(tie);
  d.sccm = fromMm(spacing);
  d.fc = fromMPa(fc);
  d.fy = fromMPa(fy);
  d.fsy = fromMPa(fyh);
  d.Es = kTestModulus;
  d.P0 = static_cast<float>(P / 9.81);  // kN to T
  d.r = static_cast<float>(r);
  s.lengthCm = L / kMmPerCm;
  s.feffMaxKn = feff;
  s.driftCapPct = drift;
  return true;
}

}  // namespace mphi
