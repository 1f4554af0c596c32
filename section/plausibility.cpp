#include "section/plausibility.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "section/section_values.h"

namespace mphi {
namespace {

struct Candidate {
  const char* unit;
  double factor;  // to mphi's unit
};

// The units a stress or a length is commonly typed in, to guess a slip.
const Candidate kStresses[] = {{"T/cm2", 1},
                               {"MPa", kTonPerCm2InMPa},
                               {"kgf/cm2", 0.001},
                               {"GPa", 1000 * static_cast<double>(kTonPerCm2InMPa)}};
const Candidate kLengths[] = {{"mm", 0.1}, {"cm", 1}, {"m", 100}};

// Four significant digits, written out in full where a person would
// ("25000", "0.28"), in exponent form only far from 1.
std::string number(double v) {
  char text[64];
  const double size = std::fabs(v);
  if (!(size >= 1e-3 && size < 1e9)) {
    std::snprintf(text, sizeof text, "%.4g", v);
    return text;
  }
  const int whole = static_cast<int>(std::floor(std::log10(size))) + 1;
  std::snprintf(text, sizeof text, "%.*f", std::max(0, 4 - whole), v);
  std::string s = text;
  if (s.find('.') != std::string::npos) {
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
  }
  return s;
}

// ": is it in T/cm2?" where reading the typed number in another unit puts
// it in [low, high] (mphi's units), else nothing.
template <std::size_t N>
std::string slip(const GivenUnit& g, double value, double low, double high,
                 const Candidate (&candidates)[N]) {
  for (const Candidate& c : candidates) {
    const double as = value / g.factor * c.factor;
    if (c.unit != g.unit && as >= low && as <= high)
      return std::string(": is it in ") + c.unit + "?";
  }
  return {};
}

}  // namespace

std::string givenAmount(const GivenUnit& g, double value) {
  return number(value / g.factor) + " " + g.unit;
}

std::string givenText(const GivenUnit& g, double value) {
  return g.name + " = " + givenAmount(g, value);
}

std::vector<Warning> plausibilityWarnings(const SectionData& s, const GivenUnits& given) {
  std::vector<Warning> warnings;
  const double mpa = kTonPerCm2InMPa;  // T/cm2 per MPa
  const struct {
    const char* name;
    double low, high;  // MPa
    const char* range;
  } stresses[] = {{"fc", 10, 120, "10 to 120 MPa"},
                  {"fy", 200, 1000, "200 to 1000 MPa"},
                  {"fsy", 150, 1500, "150 to 1500 MPa"},
                  {"Es", 150000, 250000, "150 to 250 GPa"}};
  for (const auto& v : stresses) {
    const double value = s.*findSectionValue(v.name)->member;
    if (value >= v.low * mpa && value <= v.high * mpa) continue;
    const GivenUnit g = givenUnit(given, v.name, "T/cm2");
    warnings.push_back({v.name, givenText(g, value) + " is outside " + v.range +
                                    slip(g, value, v.low * mpa, v.high * mpa, kStresses)});
  }
  const double side = std::min(s.b, s.h);
  const GivenUnit sideUnit = givenUnit(given, s.b <= s.h ? "b" : "h", "cm");
  const struct {
    const char* name;
    double most;  // cm
    const char* words;
  } lengths[] = {{"dcm", side / 6, "a sixth of the section's smaller side"},
                 {"sccm", side, "the section's smaller side"}};
  for (const auto& v : lengths) {
    const double value = s.*findSectionValue(v.name)->member;
    if (value <= v.most) continue;
    const GivenUnit g = givenUnit(given, v.name, "cm");
    warnings.push_back({v.name, givenText(g, value) + " is more than " + v.words + " (" +
                                    givenText(sideUnit, side) + ")" +
                                    slip(g, value, 0, v.most, kLengths)});
  }
  return warnings;
}

}  // namespace mphi
