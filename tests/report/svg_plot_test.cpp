#include "report/svg_plot.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tests/report/report_test_data.h"
#include "tests/report/xml_tree.h"

namespace mphi {
namespace {

std::size_t pointCount(const XmlElement& polyline) {
  std::istringstream points(polyline.attributes.at("points"));
  std::size_t n = 0;
  std::string pair;
  while (points >> pair) ++n;
  return n;
}

const XmlElement* byClass(const XmlElement& root, const std::string& name, const std::string& cls) {
  for (const XmlElement* e : findAll(root, name)) {
    auto it = e->attributes.find("class");
    if (it != e->attributes.end() && it->second == cls) return e;
  }
  return nullptr;
}

TEST(SvgPlotTest, WorkedExampleIsAWellFormedSelfContainedPlot) {
  const ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  const CurveSummary s = summariseCurve(p.file);
  const std::string svg = svgPlot(p.file, s);
  const XmlDocument doc = parseXml(svg);
  ASSERT_TRUE(doc.ok) << doc.error;
  const XmlElement& root = doc.root;
  EXPECT_EQ(root.name, "svg");
  EXPECT_EQ(root.attributes.at("xmlns"), "http://www.w3.org/2000/svg");
  EXPECT_EQ(root.attributes.at("width"), "800");
  EXPECT_EQ(root.attributes.at("height"), "500");
  EXPECT_TRUE(findAll(root, "script").empty());
  EXPECT_EQ(svg.find("href"), std::string::npos);  // nothing fetched from outside

  const XmlElement* curve = byClass(root, "polyline", "curve");
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(pointCount(*curve), s.points.size());
  const XmlElement* ideal = byClass(root, "polyline", "idealisation");
  ASSERT_NE(ideal, nullptr);
  EXPECT_EQ(pointCount(*ideal), 3u);
  EXPECT_TRUE(ideal->attributes.count("stroke-dasharray"));
  EXPECT_NE(byClass(root, "line", "level"), nullptr);
  EXPECT_EQ(findAll(root, "circle").size(), 3u);

  std::vector<std::string> keys;
  for (const XmlElement* t : findAll(root, "text")) {
    if (t->attributes.count("class") && t->attributes.at("class") == "key") keys.push_back(t->text);
  }
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0].rfind("First yield: 1.605e-04 1/cm, 2040", 0), 0u) << keys[0];
  EXPECT_EQ(keys[1].rfind("Peak: 1.939e-04 1/cm, 2108", 0), 0u) << keys[1];
  EXPECT_EQ(keys[2].rfind("Ultimate: 2.612e-04 1/cm, 1692", 0), 0u) << keys[2];
  // Both axes carry their units.
  std::string labels;
  for (const XmlElement* t : findAll(root, "text")) {
    if (t->attributes.count("class") && t->attributes.at("class") == "axis-label")
      labels += t->text + "|";
  }
  EXPECT_NE(labels.find("1/cm)"), std::string::npos) << labels;
  EXPECT_NE(labels.find("Moment M (T"), std::string::npos) << labels;
}

TEST(SvgPlotTest, CurveWithoutYieldHasNoIdealisation) {
  ParsedSection p = parseSectionFile(workedSectionText());
  ASSERT_TRUE(p.ok);
  p.file.My = p.file.Ky = 0;
  const CurveSummary s = summariseCurve(p.file);
  const XmlDocument doc = parseXml(svgPlot(p.file, s));
  ASSERT_TRUE(doc.ok) << doc.error;
  EXPECT_EQ(byClass(doc.root, "polyline", "idealisation"), nullptr);
  EXPECT_EQ(findAll(doc.root, "circle").size(), 2u);
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
