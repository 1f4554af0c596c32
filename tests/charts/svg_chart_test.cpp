#include "charts/svg_chart.h"

#include <gtest/gtest.h>

#include <regex>

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

// Every text of a picture as drawn: its box and its words.
std::vector<std::pair<Box, std::string>> texts(const std::string& svg) {
  static const std::regex text(
      "<text x=\"([-0-9.]+)\" y=\"([-0-9.]+)\" font-size=\"([0-9.]+)\" "
      "text-anchor=\"(start|middle|end)\"( transform=\"[^\"]*\")?[^>]*>([^<]*)</text>");
  std::vector<std::pair<Box, std::string>> out;
  for (auto m = std::sregex_iterator(svg.begin(), svg.end(), text); m != std::sregex_iterator();
       ++m) {
    const std::string anchor = (*m)[4];
    const Label l{std::stod((*m)[1]),
                  std::stod((*m)[2]),
                  (*m)[6],
                  std::stod((*m)[3]),
                  anchor == "start"    ? Anchor::Start
                  : anchor == "middle" ? Anchor::Middle
                                       : Anchor::End,
                  (*m)[5].matched,
                  ""};
    out.push_back({labelBox(l), l.text});
  }
  return out;
}

// Texts too long for the picture wrap onto more lines, and the picture
// grows: nothing is cut, nothing leaves the picture, no two overlap.
TEST(SvgChartTest, LongTextsWrapAndNothingIsCut) {
  std::string title, caption, axis;
  for (int i = 0; i < 30; ++i) title += "title" + std::to_string(i) + " ";
  for (int i = 0; i < 40; ++i) caption += "caption" + std::to_string(i) + " ";
  for (int i = 0; i < 20; ++i) axis += "axis" + std::to_string(i) + " ";
  Panel p;
  p.xName = axis;
  p.xUnit = "cm";
  p.series.push_back({{0, 1}, {0, 1}, "#000000", 2, "", "line"});
  p.legend = {{"short", "#000000", true, "", Shape::None},
              {caption, "#111111", false, "", Shape::None},
              {"after it", "#000000", false, "", Shape::Circle}};
  const std::string svg = svgPicture(title + std::string(150, 'w'), {p});
  const auto drawn = texts(svg);
  std::string all;
  for (const auto& [box, words] : drawn) {
    all += words + " ";
    EXPECT_GE(box.x0, 0) << words;
    EXPECT_LE(box.x1, 800) << words;
  }
  for (const std::string& word : {std::string("title29"), std::string("caption39"),
                                  std::string("axis19"), std::string("after it")}) {
    EXPECT_NE(all.find(word), std::string::npos) << word;
  }
  EXPECT_EQ(all.find("\xE2\x80\xA6"), std::string::npos) << "a text was cut";
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    for (std::size_t j = i + 1; j < drawn.size(); ++j) {
      EXPECT_FALSE(overlaps(drawn[i].first, drawn[j].first))
          << drawn[i].second << " | " << drawn[j].second;
    }
  }
}

TEST(SvgChartTest, FactorNamesThePower) {
  EXPECT_EQ(factorText(0), "");
  EXPECT_EQ(factorText(3), "\xC3\x97 10\xC2\xB3 ");
  EXPECT_EQ(factorText(-6), "\xC3\x97 10\xE2\x81\xBB\xE2\x81\xB6 ");
}

}  // namespace
}  // namespace mphi

namespace mphi {
namespace {

// Markers that fall together are nested, the earlier larger; lines that
// run together are both seen, the earlier wider beneath; each note stands
// clear of the others.
TEST(SvgChartTest, WhatFallsTogetherIsStillSeen) {
  Panel p;
  p.series = {{{0, 1}, {0, 1}, "#ff0000", 2, "3 3", "first"},
              {{0, 1}, {0, 1}, "#00ff00", 2, "8 5", "second"}};
  p.markers = {{0.5, 0.5, Shape::Circle, "#ff0000", "D1"},
               {0.5, 0.5, Shape::Square, "#00ff00", "D2"},
               {0.5, 0.5, Shape::Square, "#0000ff", "D3"}};
  const std::string svg = svgPicture("t", {p});
  EXPECT_NE(svg.find("class=\"first\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"6.00\""),
            std::string::npos);
  EXPECT_NE(svg.find("class=\"second\" fill=\"none\" stroke=\"#00ff00\" stroke-width=\"2.00\""),
            std::string::npos);
  EXPECT_NE(svg.find("r=\"12.00\""), std::string::npos) << "the circle under two others";
  EXPECT_NE(svg.find("width=\"15.30\""), std::string::npos) << "the square under one other";
  EXPECT_NE(svg.find("width=\"9.00\""), std::string::npos) << "the last square";
  std::vector<Box> notes;
  for (const auto& [box, words] : texts(svg)) {
    if (words.size() == 2 && words[0] == 'D') notes.push_back(box);
  }
  ASSERT_EQ(notes.size(), 3u);
  EXPECT_FALSE(overlaps(notes[0], notes[1]) || overlaps(notes[0], notes[2]) ||
               overlaps(notes[1], notes[2]));
}

}  // namespace
}  // namespace mphi
