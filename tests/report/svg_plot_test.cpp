#include "report/svg_plot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tests/report/report_test_data.h"
#include "tests/report/xml_tree.h"
#include "tests/support/random_section.h"
#include "tests/support/worked_section.h"

namespace mphi {
namespace {

std::size_t pointCount(const XmlElement& polyline) {
  std::istringstream points(polyline.attributes.at("points"));
  std::size_t n = 0;
  std::string pair;
  while (points >> pair) ++n;
  return n;
}

std::vector<const XmlElement*> byClass(const XmlElement& root, const std::string& name,
                                       const std::string& cls) {
  std::vector<const XmlElement*> found;
  for (const XmlElement* e : findAll(root, name)) {
    auto it = e->attributes.find("class");
    if (it != e->attributes.end() && it->second == cls) found.push_back(e);
  }
  return found;
}

double number(const XmlElement& e, const char* name) {
  return std::strtod(e.attributes.at(name).c_str(), nullptr);
}

// The first label that leaves the picture or meets another, by the text
// estimate: 0.6 x the font size per character, the font size high with
// 0.8 of it above the baseline; empty when every label is clear.
std::string labelFault(const XmlDocument& doc) {
  struct Placed {
    double x0, y0, x1, y1;
    std::string text;
  };
  std::vector<Placed> boxes;
  const double width = number(doc.root, "width"), height = number(doc.root, "height");
  for (const XmlElement* t : findAll(doc.root, "text")) {
    const double size = number(*t, "font-size");
    std::size_t chars = 0;
    for (unsigned char ch : t->text) chars += (ch & 0xC0) != 0x80;
    const double w = 0.6 * size * static_cast<double>(chars);
    const std::string anchor = t->attributes.at("text-anchor");
    const double start = anchor == "start" ? 0 : anchor == "middle" ? -w / 2 : -w;
    const double x = number(*t, "x"), y = number(*t, "y");
    Placed b{x + start, y - 0.8 * size, x + start + w, y + 0.2 * size, t->text};
    if (t->attributes.count("transform")) {  // rotate(-90 x y): reads upwards
      b = {x - 0.8 * size, y - start - w, x + 0.2 * size, y - start, t->text};
    }
    if (b.x0 < 0 || b.y0 < 0 || b.x1 > width || b.y1 > height) return "outside: " + b.text;
    for (const Placed& o : boxes) {
      if (b.x0 < o.x1 && o.x0 < b.x1 && b.y0 < o.y1 && o.y0 < b.y1) {
        return "\"" + b.text + "\" over \"" + o.text + "\"";
      }
    }
    boxes.push_back(b);
  }
  return {};
}

TEST(SvgPlotTest, WorkedExampleIsAWellFormedSelfContainedPlot) {
  const SectionFile f = workedFile();
  const CurveFigures r = curveFigures(f.section, f.curve, withLength(200));
  const std::string svg = svgPlot(f.section, f.curve, r);
  const XmlDocument doc = parseXml(svg);
  ASSERT_TRUE(doc.ok) << doc.error;
  const XmlElement& root = doc.root;
  EXPECT_EQ(root.name, "svg");
  EXPECT_EQ(root.attributes.at("xmlns"), "http://www.w3.org/2000/svg");
  EXPECT_TRUE(findAll(root, "script").empty());
  EXPECT_EQ(svg.find("href"), std::string::npos);  // nothing fetched from outside
  EXPECT_EQ(labelFault(doc), "");

  ASSERT_EQ(byClass(root, "polyline", "curve").size(), 1u);
  EXPECT_EQ(pointCount(*byClass(root, "polyline", "curve")[0]), f.curve.points.size());
  for (const char* ideal : {"caltrans", "priestley"}) {
    ASSERT_EQ(byClass(root, "polyline", ideal).size(), 1u) << ideal;
    EXPECT_EQ(pointCount(*byClass(root, "polyline", ideal)[0]), 3u);
  }
  ASSERT_EQ(byClass(root, "polyline", "force-displacement").size(), 1u);
  std::string legend, titles, ticks;
  for (const XmlElement* t : byClass(root, "text", "legend")) legend += t->text + "|";
  for (const XmlElement* t : byClass(root, "text", "axis-title")) titles += t->text + "|";
  for (const XmlElement* t : byClass(root, "text", "tick")) ticks += t->text + "|";
  for (const char* want : {"Caltrans: Mp = 2036 T\xC2\xB7"
                           "cm",
                           "Priestley: Mn = 1960", "(concrete 0.004)",
                           "first yield:", "peak:", "ultimate:", "0.8 Mu = 1686", "drift 1.61 %"}) {
    EXPECT_NE(legend.find(want), std::string::npos) << want << " in " << legend;
  }
  // Curvatures carry a common factor; moments are plain numbers.
  EXPECT_NE(titles.find("Curvature \xCF\x86 (\xC3\x97 10\xE2\x81\xBB\xE2\x81\xB6 1/cm)"),
            std::string::npos)
      << titles;
  EXPECT_NE(ticks.find("|2500|"), std::string::npos) << ticks;
  EXPECT_EQ(ticks.find('e'), std::string::npos) << ticks;
}

// The label rule on many curves: random sections through the analysis,
// some with a drift panel, each plotted and read back through the parse
// tree.
TEST(SvgPlotTest, LabelsStayInsideAndApartOnManyCurves) {
  Uniform u{977};
  int faults = 0;
  for (int i = 0; i < 150; ++i) {
    const SectionData s = randomSection(u);
    const double length = i % 2 == 0 ? u(100, 600) : 0;
    const ParsedSection p = parseSectionFile(sectionTextOf(s));
    ASSERT_TRUE(p.ok) << p.error;
    const SectionFile& f = p.file;
    const XmlDocument doc =
        parseXml(svgPlot(f.section, f.curve, curveFigures(f.section, f.curve, withLength(length))));
    ASSERT_TRUE(doc.ok) << doc.error;
    const std::string fault = labelFault(doc);
    if (!fault.empty() && ++faults <= 5) ADD_FAILURE() << "section " << i << ": " << fault;
  }
}

TEST(SvgPlotTest, CurveWithoutYieldHasNoIdealisation) {
  SectionFile f = workedFile();
  f.curve.keys.firstYield = {};
  const XmlDocument doc =
      parseXml(svgPlot(f.section, f.curve, curveFigures(f.section, f.curve, withLength(200))));
  ASSERT_TRUE(doc.ok) << doc.error;
  EXPECT_TRUE(byClass(doc.root, "polyline", "caltrans").empty());
  EXPECT_TRUE(byClass(doc.root, "polyline", "priestley").empty());
  EXPECT_TRUE(byClass(doc.root, "polyline", "force-displacement").empty());
  EXPECT_EQ(labelFault(doc), "");
}

TEST(XmlTreeTest, RejectsMalformedDocuments) {
  for (const char* bad :
       {"<a><b></a></b>", "<a x=1/>", "<a>&nope;</a>", "<a>", "<a/><b/>", "<a x=\"1\" x=\"2\"/>"}) {
    EXPECT_FALSE(parseXml(bad).ok) << bad;
  }
  EXPECT_TRUE(parseXml("<?xml version=\"1.0\"?><a x='1'><!-- c --><b/>t&amp;</a>").ok);
}

}  // namespace
}  // namespace mphi
