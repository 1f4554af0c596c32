#include "sweep/load_sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "sweep/interaction_svg.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

// From -0.8 As fy to 0.9 Po, As = r b h, Po = 0.85 fc (b h - As) + As fy,
// to the hundredth of a ton: -94.08 T to 326.25 T for the worked section,
// each the float of its two-decimal text.
TEST(LoadSweepTest, DefaultLoadsSpanTensionToNinetyPerCentOfSquash) {
  const std::vector<float> loads = defaultLoads(workedSection(), 21);
  ASSERT_EQ(loads.size(), 21u);
  EXPECT_EQ(loads.front(), -94.08f);
  EXPECT_EQ(loads.back(), 326.25f);
  EXPECT_NEAR(loads[10], (loads.front() + loads.back()) / 2, 0.005);
  for (float load : loads) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", load);
    EXPECT_EQ(std::strtof(text, nullptr), load) << load;
  }
}

TEST(LoadSweepTest, SameTableOnOneAndOnTwoThreads) {
  const SectionData s = workedSection();
  const std::vector<float> loads = defaultLoads(s, 7);
  for (Model model : {Model::Specified, Model::Assessment}) {
    Analysis a;
    a.model = model;
    a.length = 300;
    EXPECT_EQ(sweepCsv(sweepLoads(s, loads, a, 1, {}), model),
              sweepCsv(sweepLoads(s, loads, a, 2, {}), model));
  }
}

std::vector<std::vector<std::string>> cellsOf(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(csv);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> cells;
    std::istringstream items(line);
    for (std::string cell; std::getline(items, cell, ',');) cells.push_back(cell);
    if (!line.empty() && line.back() == ',') cells.push_back("");
    rows.push_back(cells);
  }
  return rows;
}

// Both models' tables in si, converted back by hand (kN = 9.81 T, kN.m =
// 0.0981 T.cm, 1/m = 1/cm / 100), are the tables in t-cm: the same figures
// in other units, and the columns named for them.
TEST(LoadSweepTest, UnitsRoundTrip) {
  const SectionData s = workedSection();
  Units si;
  ASSERT_TRUE(unitsNamed("si", si));
  const std::vector<float> loads = {-50, 0, 100, 250};
  for (Model model : {Model::Specified, Model::Assessment}) {
    Analysis a;
    a.model = model;
    a.length = 250;
    const std::vector<LoadResult> results = sweepLoads(s, loads, a, 1, {});
    const auto base = cellsOf(sweepCsv(results, model));
    const auto converted = cellsOf(sweepCsv(results, model, si));
    ASSERT_EQ(base.size(), converted.size());
    for (std::size_t column = 0; column < base[0].size(); ++column) {
      const std::string& name = base[0][column];
      const std::string& siName = converted[0][column];
      double factor = 0;  // si over t-cm; 0: no unit
      if (name.size() > 4 && name.substr(name.size() - 4) == "_Tcm") {
        factor = 0.0981;
        EXPECT_EQ(siName, name.substr(0, name.size() - 4) + "_kNm");
      } else if (name.size() > 7 && name.substr(name.size() - 7) == "_per_cm") {
        factor = 100;
        EXPECT_EQ(siName, name.substr(0, name.size() - 7) + "_per_m");
      } else if (name.size() > 2 && name.substr(name.size() - 2) == "_T") {
        factor = 9.81;
        EXPECT_EQ(siName, name.substr(0, name.size() - 2) + "_kN");
      } else {
        EXPECT_EQ(siName, name);
      }
      for (std::size_t row = 1; row < base.size(); ++row) {
        const std::string& a = base[row][column];
        const std::string& b = converted[row][column];
        if (name == "status") continue;
        if (factor == 0 || a.empty()) {
          EXPECT_EQ(a, b) << name << " row " << row;
          continue;
        }
        const double want = std::strtod(a.c_str(), nullptr);
        const double got = std::strtod(b.c_str(), nullptr) / factor;
        EXPECT_NEAR(got, want, 1e-7 * std::fabs(want)) << name << " row " << row;
      }
    }
  }
}

}  // namespace
}  // namespace mphi

namespace mphi {
namespace {

// A load whose curve peaks at `Mu`, or has no curve.
LoadResult loadWithPeak(float P0, double Mu, bool curve = true) {
  LoadResult l;
  l.P0 = P0;
  l.result.reported.curve.points.resize(curve ? 2 : 1);
  l.result.reported.curve.keys.peak.exists = curve;
  l.result.reported.curve.keys.peak.M = Mu;
  return l;
}

// Design actions are judged against Mu straight between the loads either
// side; beyond the loads, or between a load without a curve, there is no
// judgement.
TEST(InteractionTest, MomentCapacityBetweenLoads) {
  const std::vector<LoadResult> loads = {loadWithPeak(-50, 400), loadWithPeak(0, 1000),
                                         loadWithPeak(100, 2000), loadWithPeak(200, 0, false),
                                         loadWithPeak(300, 1500)};
  const struct {
    double P;
    bool known;
    double Mu;
  } cases[] = {{-50, true, 400}, {-25, true, 700}, {50, true, 1500}, {100, true, 2000},
               {150, false, 0},  {250, false, 0},  {-60, false, 0},  {301, false, 0}};
  for (const auto& c : cases) {
    double Mu = -1;
    EXPECT_EQ(momentCapacityAt(loads, c.P, Mu), c.known) << c.P;
    if (c.known) {
      EXPECT_DOUBLE_EQ(Mu, c.Mu) << c.P;
    }
  }
}

// A load printed in kN reads back to the very float stored in tons.
TEST(LoadSweepTest, LoadTextsGiveTheStoredLoadBack) {
  Units si, tm;
  ASSERT_TRUE(unitsNamed("si", si) && unitsNamed("t-m", tm));
  for (float P0 : {100.0f, -94.08f, 326.25f, 0.1f, 1e-7f, 12345.678f, -0.0f}) {
    for (const Units& u : {Units{}, si, tm}) {
      const std::string text = loadText(P0, u);
      EXPECT_EQ(loadOf(std::strtod(text.c_str(), nullptr), u), P0) << text;
    }
  }
  EXPECT_EQ(loadText(100, si), "981");
}

}  // namespace
}  // namespace mphi
