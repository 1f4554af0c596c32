#include "charts/svg_chart.h"

#include <gtest/gtest.h>

namespace mphi {
namespace {

struct AxisCase {
  const char* name;
  double low, high;
  int intervals;
  double step;
  int power;
  std::vector<std::string> labels;
};

void PrintTo(const AxisCase& c, std::ostream* os) {
  *os << c.name;
}

class NiceAxisTest : public testing::TestWithParam<AxisCase> {};

// Ticks at 1, 2 or 5 x 10^n, labels plain numbers, long ones scaled by a
// power of a thousand that the axis title names.
TEST_P(NiceAxisTest, TicksAndLabels) {
  const AxisCase& c = GetParam();
  const Axis a = niceAxis(c.low, c.high, c.intervals);
  EXPECT_DOUBLE_EQ(a.step, c.step);
  EXPECT_EQ(a.power, c.power);
  std::vector<std::string> labels;
  for (double v : axisTicks(a)) labels.push_back(tickText(a, v));
  EXPECT_EQ(labels, c.labels);
}

INSTANTIATE_TEST_SUITE_P(
    Axes, NiceAxisTest,
    testing::Values(
        AxisCase{"Moments", 0, 2213, 6, 500, 0, {"0", "500", "1000", "1500", "2000", "2500"}},
        AxisCase{
            "Curvatures", 0, 2.6e-4, 6, 5e-5, -6, {"0", "50", "100", "150", "200", "250", "300"}},
        AxisCase{"LargeMoments", 0, 1.2e5, 4, 5e4, 3, {"0", "50", "100", "150"}},
        AxisCase{"NegativeLoads",
                 -105.8,
                 326.3,
                 8,
                 100,
                 0,
                 {"-200", "-100", "0", "100", "200", "300", "400"}},
        AxisCase{
            "Displacements", 0, 2.83, 6, 0.5, 0, {"0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0"}},
        AxisCase{"NothingToShow", 0, 0, 6, 0.5, 0, {"-1.0", "-0.5", "0.0", "0.5", "1.0"}}),
    [](const testing::TestParamInfo<AxisCase>& info) { return info.param.name; });

// A text too long for the picture is cut, whole characters, to fit.
TEST(SvgChartTest, LongTextsAreCutToFit) {
  const std::string title(300, 'x');
  const std::string svg = svgPicture(title + "\xCF\x86", {Panel{}});
  const std::size_t start = svg.find("class=\"title\">") + 15;
  const std::string shown = svg.substr(start, svg.find("</text>", start) - start);
  EXPECT_LE(textWidth(shown, 15), 780);
  EXPECT_EQ(shown.substr(shown.size() - 3), "\xE2\x80\xA6");
  EXPECT_EQ(shown.find_first_not_of('x'), shown.size() - 3);
}

TEST(SvgChartTest, FactorNamesThePower) {
  EXPECT_EQ(factorText(0), "");
  EXPECT_EQ(factorText(3), "\xC3\x97 10\xC2\xB3 ");
  EXPECT_EQ(factorText(-6), "\xC3\x97 10\xE2\x81\xBB\xE2\x81\xB6 ");
}

}  // namespace
}  // namespace mphi
