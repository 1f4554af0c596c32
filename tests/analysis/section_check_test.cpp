#include "analysis/section_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/support/worked_section.h"

namespace mphi {
namespace {

struct CheckCase {
  const char* name;
  std::function<void(SectionData&)> change;
  const char* fault;  // expected line after "mphi: invalid section data: ", or "" for none
};

// Lists and failures show the case by its name.
void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.name;
}

class SectionCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(SectionCheckTest, FindsTheFirstFault) {
  SectionData s = workedSection();
  GetParam().change(s);
  const std::optional<Fault> fault = prepareSection(s);
  EXPECT_EQ(fault ? faultText(*fault) : "", GetParam().fault);
}

const float kInf = INFINITY;

INSTANTIATE_TEST_SUITE_P(
    Data, SectionCheckTest,
    testing::Values(CheckCase{"Worked", [](SectionData&) {}, ""},
                    CheckCase{"InfiniteLoad", [](SectionData& s) { s.P0 = kInf; },
                              "P0 = Infinity: value must be a finite number"},
                    CheckCase{"NaNFirstInOrder",
                              [](SectionData& s) {
                                s.r = NAN;
                                s.b = -kInf;
                              },
                              "b = -Infinity: value must be a finite number"},
                    CheckCase{"NarrowSection", [](SectionData& s) { s.b = 11.5f; },
                              "b = 11.5: section width must be at least 12 cm"},
                    CheckCase{"ShallowSection", [](SectionData& s) { s.h = 0; },
                              "h = 0: section depth must be at least 12 cm"},
                    CheckCase{"NoBarDiameter", [](SectionData& s) { s.dcm = 0; },
                              "dcm = 0: main bar diameter must be positive"},
                    CheckCase{"NegativeRatio", [](SectionData& s) { s.r = -0.01f; },
                              "r = -0.01: reinforcement ratio must not be negative"},
                    CheckCase{"NegativeCover", [](SectionData& s) { s.clearb1cm = -1; },
                              "clearb1cm = -1: cover must not be negative"},
                    CheckCase{"CoverLeavesNoCore", [](SectionData& s) { s.clearb1cm = 17.5f; },
                              "clearb1cm = 17.5: cover leaves no confined core"},
                    CheckCase{"NegativeTie", [](SectionData& s) { s.dbcm = -1; },
                              "dbcm = -1: tie diameter must not be negative"},
                    CheckCase{"NoSpacing", [](SectionData& s) { s.sccm = 0; },
                              "sccm = 0: tie spacing must be positive"},
                    CheckCase{"NoConcrete", [](SectionData& s) { s.fc = 0; },
                              "fc = 0: concrete strength must be positive"},
                    CheckCase{"NoYield", [](SectionData& s) { s.fy = -4.2f; },
                              "fy = -4.2: main bar yield strength must be positive"},
                    CheckCase{"NegativeTieYield", [](SectionData& s) { s.fsy = -1; },
                              "fsy = -1: tie yield strength must not be negative"},
                    CheckCase{"NoModulus", [](SectionData& s) { s.Es = 0; },
                              "Es = 0: steel modulus must be positive"},
                    CheckCase{"NoPerimeter", [](SectionData& s) { s.b = s.h = 12; },
                              "num1 = NaN: the bar layout is undefined for this section size"},
                    CheckCase{"MinimumWidth", [](SectionData& s) { s.b = 12; }, ""},
                    CheckCase{"MinimumDepth", [](SectionData& s) { s.h = 12; }, ""},
                    CheckCase{"NoTies",
                              [](SectionData& s) {
                                s.dbcm = 0;
                                s.fsy = 0;
                              },
                              ""},
                    CheckCase{"NoSteel", [](SectionData& s) { s.r = 0; }, ""},
                    CheckCase{"HighRatio", [](SectionData& s) { s.r = 0.2f; }, ""},
                    CheckCase{"Tension", [](SectionData& s) { s.P0 = -1e30f; }, ""},
                    CheckCase{"RatioInPerCent", [](SectionData& s) { s.r = 2; },
                              "r = 2: main steel area exceeds the tie-confined core"},
                    CheckCase{"SmallSectionRatioNearOne",
                              [](SectionData& s) {
                                s.b = s.h = 14;
                                s.clearb1cm = 2;
                                s.r = 0.99f;
                              },
                              "r = 0.99: main steel area exceeds the tie-confined core"},
                    CheckCase{"StrongConcreteWithoutTies",
                              [](SectionData& s) {
                                s.fc = 1.1f;
                                s.dbcm = 0;
                              },
                              "rcc = -25.99063: the confined-concrete law is undefined for this "
                              "concrete and confinement (it needs 0 < fcc/ecc < Ec)"},
                    CheckCase{"HighStrengthConfined", [](SectionData& s) { s.fc = 1.2f; }, ""},
                    CheckCase{"HeavyTiesInASmallSection",
                              [](SectionData& s) {
                                s.b = s.h = 14;
                                s.clearb1cm = 3;
                                s.dbcm = 10;
                                s.sccm = 50;
                                s.fsy = 1.5f;
                              },
                              "rcc = 0.7503521: the confined-concrete law is undefined for this "
                              "concrete and confinement (it needs 0 < fcc/ecc < Ec)"},
                    CheckCase{"AstronomicalDepth", [](SectionData& s) { s.h = 2.1e35f; },
                              "h = 2.1e+35: section depth must be at most 10000 cm"},
                    CheckCase{"HundredMetreSection", [](SectionData& s) { s.b = s.h = 10000; }, ""},
                    CheckCase{"SteelBeyondAnySteel",
                              [](SectionData& s) {
                                s.b = s.h = 10000;
                                s.dcm = 1000;
                                s.fy = 1e30f;
                                s.Es = 1e34f;
                              },
                              "fy = 1e+30: main bar yield strength must be at most 100 T/cm2"},
                    CheckCase{"ModulusBeyondAnyMaterial", [](SectionData& s) { s.Es = 1e36f; },
                              "Es = 1e+36: steel modulus must be at most 100000 T/cm2"},
                    CheckCase{"LoadBeyondAnySection", [](SectionData& s) { s.P0 = 1e6f; },
                              "P0 = 1000000: axial load far beyond the section: its elastic "
                              "strain exceeds 0.5"},
                    CheckCase{"BarWiderThanTheSection", [](SectionData& s) { s.dcm = 6.6e18f; },
                              "dcm = 6.6e+18: main bar diameter must be smaller than the section"}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.name; });

// Ties far beyond any practical confinement push the strength formula
// below zero before any constant turns NaN.
TEST(SectionCheckTest, OverConfinedCoreNamesTheConfinedStrength) {
  SectionData s = workedSection();
  s.fsy = 50;
  s.sccm = 2;
  s.dbcm = 3;
  const std::optional<Fault> fault = findSectionFault(s);
  ASSERT_TRUE(fault);
  EXPECT_EQ(fault->field, "fcc");
  EXPECT_EQ(fault->value.rfind("-", 0), 0u) << fault->value;
  EXPECT_EQ(fault->reason, "confined concrete strength must be positive");
}

}  // namespace
}  // namespace mphi
