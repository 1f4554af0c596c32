// The units the tools speak, against conversions worked by hand.
#include "section/units.h"

#include <gtest/gtest.h>

#include <string>

#include "curve/curve.h"

namespace mphi {
namespace {

Units named(const char* name) {
  Units u;
  EXPECT_TRUE(unitsNamed(name, u)) << name;
  return u;
}

// One of each quantity in tons and centimetres, in each system: a ton is
// 9.81 kN, an MPa 0.0102 T/cm2, a metre 100 cm.
TEST(UnitsTest, ConversionsByHand) {
  const struct {
    const char* units;
    Quantity q;
    double value;  // of 1 in tons and centimetres
    const char *text, *key;
  } cases[] = {
      {"t-cm", Quantity::Moment, 1, "T.cm", "Tcm"},
      {"t-m", Quantity::Force, 1, "T", "T"},
      {"t-m", Quantity::Length, 0.01, "m", "m"},
      {"t-m", Quantity::Moment, 0.01, "T.m", "Tm"},
      {"t-m", Quantity::Stress, 1e4, "T/m2", "Tm2"},
      {"t-m", Quantity::Curvature, 100, "1/m", "per_m"},
      {"si", Quantity::Force, 9.81, "kN", "kN"},
      {"si", Quantity::Moment, 0.0981, "kN.m", "kNm"},
      {"si", Quantity::Stress, 1 / 0.0102, "MPa", "MPa"},
      {"si", Quantity::Curvature, 100, "1/m", "per_m"},
      {"si", Quantity::Stiffness, 9.81e-4, "kN.m2", "kNm2"},
      {"si", Quantity::Area, 1e-4, "m2", "m2"},
  };
  for (const auto& c : cases) {
    const Units u = named(c.units);
    SCOPED_TRACE(std::string(c.units) + " " + c.text);
    EXPECT_NEAR(u.in(c.q, 1), c.value, 1e-6 * c.value);
    EXPECT_NEAR(u.from(c.q, u.in(c.q, 123.456)), 123.456, 1e-12);
    EXPECT_EQ(u.text(c.q), c.text);
    EXPECT_EQ(u.key(c.q), c.key);
  }
}

TEST(UnitsTest, OnlyTheThreeNames) {
  for (const char* name : {"t-cm", "t-m", "si"})
    EXPECT_EQ(unitsName(named(name).system), std::string(name));
  Units u;
  for (const char* name : {"SI", "kN-m", "", "t_cm"}) EXPECT_FALSE(unitsNamed(name, u)) << name;
}

// Strains, ratios and row numbers stay as they are; everything with a unit
// moves.
TEST(UnitsTest, CurveAndSectionInSi) {
  Curve curve;
  curve.points.push_back({0.001, 2000, 0.003, 15, 7, true});
  curve.keys.peak = {true, "", 0.003, 15, 0.001, 2000};
  curve.layers.push_back({5, 10, 4});
  const Units si = named("si");
  const Curve c = inUnits(curve, si);
  EXPECT_DOUBLE_EQ(c.points[0].phi, 0.1);
  EXPECT_NEAR(c.points[0].M, 196.2, 1e-9);
  EXPECT_EQ(c.points[0].eps, 0.003);
  EXPECT_EQ(c.points[0].row, 7);
  EXPECT_DOUBLE_EQ(c.points[0].c, 0.15);
  EXPECT_NEAR(c.keys.peak.M, 196.2, 1e-9);
  EXPECT_DOUBLE_EQ(c.layers[0].depth, 0.05);
  EXPECT_DOUBLE_EQ(c.layers[0].area, 1e-3);
  EXPECT_EQ(c.layers[0].bars, 4);

  SectionData s;
  s.b = 40;
  s.fc = 0.204f;
  s.P0 = 100;
  s.r = 0.02f;
  const SectionData t = inUnits(s, si);
  EXPECT_FLOAT_EQ(t.b, 0.4f);
  EXPECT_NEAR(t.fc, 20, 1e-5);
  EXPECT_FLOAT_EQ(t.P0, 981);
  EXPECT_EQ(t.r, s.r);
}

}  // namespace
}  // namespace mphi
