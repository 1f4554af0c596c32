#include "section/section_values.h"

#include <algorithm>

#include "section/plausibility.h"

namespace mphi {
namespace {

// A bar wider than the section is no bar; far beyond it the bar area
// overflows single precision and the steel forces turn NaN.
const char* barWiderThanSection(const SectionData& s) {
  return s.dcm >= std::min(s.b, s.h) ? "main bar diameter must be smaller than the section"
                                     : nullptr;
}

const char* coverLeavesNoCore(const SectionData& s) {
  const double twice = 2 * static_cast<double>(s.clearb1cm);
  return s.b - twice <= 0 || s.h - twice <= 0 ? "cover leaves no confined core" : nullptr;
}

constexpr Requirement kNone{};

// Bars lie 6 cm inside every face, so 12 cm is the least size with a
// layout; beyond 100 m moments overflow the table's single precision and
// the strip sums crawl. Steel far beyond any steel overflows the bar
// forces of a large section.
const std::vector<SectionValue> kValues = {
    {"b",
     &SectionData::b,
     "cm",
     "section width",
     {1, 20},
     true,
     "40",
     "b",
     {Limit::AtLeast, 12, "section width must be at least 12 cm"},
     {Limit::AtMost, 10000, "section width must be at most 10000 cm"},
     nullptr},
    {"h",
     &SectionData::h,
     "cm",
     "section depth (the bending direction)",
     {2, 21},
     true,
     "35",
     "h",
     {Limit::AtLeast, 12, "section depth must be at least 12 cm"},
     {Limit::AtMost, 10000, "section depth must be at most 10000 cm"},
     nullptr},
    {"dt",
     &SectionData::dt,
     "cm",
     "depth of bar layer 1",
     {3, 0},
     false,
     "",
     "dt",
     kNone,
     kNone,
     nullptr},
    {"clearh2cm",
     &SectionData::clearh2cm,
     "cm",
     "depth of bar layer 2",
     {4, 0},
     false,
     "",
     "clearh2cm",
     kNone,
     kNone,
     nullptr},
    {"cln3",
     &SectionData::cln3,
     "cm",
     "depth of bar layer 3",
     {5, 0},
     false,
     "",
     "cln3",
     kNone,
     kNone,
     nullptr},
    {"cln4",
     &SectionData::cln4,
     "cm",
     "depth of bar layer 4",
     {6, 0},
     false,
     "",
     "cln4",
     kNone,
     kNone,
     nullptr},
    {"dcm",
     &SectionData::dcm,
     "cm",
     "main bar diameter",
     {7, 0},
     true,
     "1.9",
     "dcm",
     {Limit::Positive, 0, "main bar diameter must be positive"},
     kNone,
     barWiderThanSection},
    {"num1",
     &SectionData::num1,
     "",
     "bars in layer 1",
     {8, 0},
     false,
     "",
     "num1",
     kNone,
     kNone,
     nullptr},
    {"num2",
     &SectionData::num2,
     "",
     "bars in layer 2",
     {9, 0},
     false,
     "",
     "num2",
     kNone,
     kNone,
     nullptr},
    {"num3",
     &SectionData::num3,
     "",
     "bars in layer 3",
     {10, 0},
     false,
     "",
     "num3",
     kNone,
     kNone,
     nullptr},
    {"num4",
     &SectionData::num4,
     "",
     "bars in layer 4",
     {11, 0},
     false,
     "",
     "num4",
     kNone,
     kNone,
     nullptr},
    {"clearb1cm",
     &SectionData::clearb1cm,
     "cm",
     "cover from every face to the tie core",
     {12, 0},
     true,
     "5",
     "clearb1cm",
     {Limit::NotNegative, 0, "cover must not be negative"},
     kNone,
     coverLeavesNoCore},
    {"dbcm",
     &SectionData::dbcm,
     "cm",
     "tie diameter",
     {13, 0},
     true,
     "1.3",
     "dbcm",
     {Limit::NotNegative, 0, "tie diameter must not be negative"},
     kNone,
     nullptr},
    {"sccm",
     &SectionData::sccm,
     "cm",
     "tie spacing",
     {14, 0},
     true,
     "10",
     "sccm",
     {Limit::Positive, 0, "tie spacing must be positive"},
     kNone,
     nullptr},
    {"fc",
     &SectionData::fc,
     "T/cm2",
     "concrete strength",
     {15, 0},
     true,
     "0.21",
     "fc",
     {Limit::Positive, 0, "concrete strength must be positive"},
     kNone,
     nullptr},
    {"fy",
     &SectionData::fy,
     "T/cm2",
     "main bar yield strength",
     {16, 0},
     true,
     "4.2",
     "fy",
     {Limit::Positive, 0, "main bar yield strength must be positive"},
     {Limit::AtMost, 100, "main bar yield strength must be at most 100 T/cm2"},
     nullptr},
    {"fsy",
     &SectionData::fsy,
     "T/cm2",
     "tie yield strength",
     {17, 0},
     true,
     "2.8",
     "fsy",
     {Limit::NotNegative, 0, "tie yield strength must not be negative"},
     kNone,
     nullptr},
    {"Es",
     &SectionData::Es,
     "T/cm2",
     "steel modulus",
     {18, 0},
     true,
     "2100",
     "Es",
     {Limit::Positive, 0, "steel modulus must be positive"},
     {Limit::AtMost, 100000, "steel modulus must be at most 100000 T/cm2"},
     nullptr},
    {"P0",
     &SectionData::P0,
     "T",
     "axial load, compression positive",
     {19, 0},
     true,
     "100",
     "N",
     kNone,
     kNone,
     nullptr},
    {"r",
     &SectionData::r,
     "",
     "main steel area over b x h (0.02, not 2 %)",
     {22, 0},
     true,
     "0.02",
     nullptr,
     {Limit::NotNegative, 0, "reinforcement ratio must not be negative"},
     kNone,
     nullptr},
};

}  // namespace

const std::vector<SectionValue>& sectionValues() {
  return kValues;
}

std::vector<const SectionValue*> givenValues() {
  std::vector<const SectionValue*> given;
  for (const SectionValue& v : kValues) {
    if (v.given) given.push_back(&v);
  }
  return given;
}

std::optional<Fault> unitSlip(const SectionData& s, const GivenUnits& given) {
  // Beyond these no concrete, steel or bar is made: 150 MPa, 2 GPa, a
  // 10 cm bar; a ratio above 1 is a percentage.
  const struct {
    const char* name;
    double most;
    const char* hint;
  } kSlips[] = {{"fc", 1.5, "fc is in T/cm2 (0.28, not 28)"},
                {"fy", 20, "fy is in T/cm2 (4.2, not 420)"},
                {"fsy", 20, "fsy is in T/cm2 (2.8, not 280)"},
                {"Es", 10000, "Es is in T/cm2 (2040, not 200000)"},
                {"dcm", 10, "dcm is in cm (1.9, not 19)"},
                {"r", 1, "r is a ratio (0.02, not 2)"}};
  for (const auto& slip : kSlips) {
    const SectionValue& value = *findSectionValue(slip.name);
    const double v = s.*value.member;
    if (!(v > slip.most)) continue;
    const GivenUnit g = givenUnit(given, slip.name, value.unit);
    if (g.factor == 1) {
      return Fault{slip.name, valueText(v) + (g.unit.empty() ? "" : " " + g.unit), slip.hint};
    }
    // Typed in a unit of its own, the hint is in that unit.
    return Fault{g.name, valueText(v / g.factor) + " " + g.unit,
                 "beyond anything real (at most " + givenAmount(g, slip.most) + ")"};
  }
  return std::nullopt;
}

const SectionValue* findSectionValue(const std::string& name) {
  for (const SectionValue& v : kValues) {
    if (name == v.name) return &v;
  }
  return nullptr;
}

}  // namespace mphi
