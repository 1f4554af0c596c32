#include "report/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "charts/svg_chart.h"
#include "report/summary_text.h"
#include "textio/formatted.h"

namespace mphi {
namespace {

using Q = Quantity;

constexpr double kLeast = 380, kTop = 44,
                 kSide = 300;  // px: the narrowest picture, the drawing's square
constexpr double kLine = 16, kTextSize = 12;
const char* const kConcrete = "fill=\"#e6e6e6\" stroke=\"#555555\" stroke-width=\"1.5\"";
const char* const kSteel = "#1f4e9a";
const char* const kTies = "#1e8449";

std::string circle(double x, double y, double r, const std::string& style) {
  return "<circle cx=\"" + svgNumber(x) + "\" cy=\"" + svgNumber(y) + "\" r=\"" + svgNumber(r) +
         "\" " + style + "/>\n";
}

std::string rect(double x, double y, double w, double h, const std::string& style) {
  return "<rect x=\"" + svgNumber(x) + "\" y=\"" + svgNumber(y) + "\" width=\"" + svgNumber(w) +
         "\" height=\"" + svgNumber(h) + "\" " + style + "/>\n";
}

std::string bar(double x, double y, double r) {
  return circle(x, y, std::max(r, 1.5), std::string("fill=\"") + kSteel + "\" class=\"bar\"");
}

// The tie, spiral or hoop: a line of its own diameter on its centre line.
std::string tieStyle(double width, bool dashed) {
  return std::string("fill=\"none\" stroke=\"") + kTies + "\" stroke-width=\"" +
         svgNumber(std::max(width, 1.0)) + "\"" + (dashed ? " stroke-dasharray=\"6 3\"" : "") +
         " class=\"ties\"";
}

struct Drawing {
  std::string body;
  std::vector<std::string> lines;  // under the drawing
};

// A rectangle b wide and h deep at scale k px/cm, its top-left corner at
// (x, y).
Drawing rectangular(const SectionData& s, const Analysis& a, double x, double y, double k,
                    const Units& u) {
  Drawing d;
  const double b = s.b * k, h = s.h * k, cover = s.clearb1cm * k;
  const double inset = (static_cast<double>(s.clearb1cm) + s.dbcm / 2.0 + s.dcm / 2.0) * k;
  const std::string length = u.text(Q::Length);
  d.body += rect(x, y, b, h, kConcrete);
  d.body += rect(x + cover, y + cover, b - 2 * cover, h - 2 * cover, tieStyle(s.dbcm * k, false));
  if (a.bars) {
    const int face = static_cast<int>(a.bars->face), side = static_cast<int>(a.bars->side);
    for (int i = 0; i < face; ++i) {
      const double bx = x + inset + i * (b - 2 * inset) / std::max(face - 1, 1);
      d.body += bar(bx, y + inset, s.dcm * k / 2) + bar(bx, y + h - inset, s.dcm * k / 2);
    }
    for (int j = 1; j <= side; ++j) {
      const double by = y + inset + j * (h - 2 * inset) / (side + 1);
      d.body += bar(x + inset, by, s.dcm * k / 2) + bar(x + b - inset, by, s.dcm * k / 2);
    }
    d.lines.push_back(formatted("%d bars on each face, %d on each side, %g ", face, side,
                                u.in(Q::Length, s.dcm)) +
                      length);
  } else {
    d.body += rect(x + inset, y + inset, b - 2 * inset, h - 2 * inset,
                   std::string("fill=\"none\" stroke=\"") + kSteel +
                       "\" stroke-width=\"2\" stroke-dasharray=\"2 3\" class=\"spread\"");
    d.lines.push_back(
        formatted("main steel b h r = %.4g ", u.in(Q::Area, static_cast<double>(s.r) * s.b * s.h)) +
        u.text(Q::Area) + formatted(" spread along the faces, bars %g ", u.in(Q::Length, s.dcm)) +
        length);
  }
  d.lines.push_back(formatted("ties %g at %g ", u.in(Q::Length, s.dbcm), u.in(Q::Length, s.sccm)) +
                    length + formatted(", %g legs along b and %g along h", a.legs.b, a.legs.h));
  return d;
}

// A circle of diameter D at scale k px/cm, centred at (x, y).
Drawing circular(const SectionData& s, const Analysis& a, double x, double y, double k,
                 const Units& u) {
  Drawing d;
  const double R = s.h * k / 2, core = R - s.clearb1cm * k;
  const double ring = R - (static_cast<double>(s.clearb1cm) + s.dbcm / 2.0 + s.dcm / 2.0) * k;
  d.body += circle(x, y, R, kConcrete);
  d.body += circle(x, y, core, tieStyle(s.dbcm * k, a.transverse == Transverse::Hoops));
  const int n = static_cast<int>(a.circleBars);
  for (int i = 0; i < n; ++i) {
    const double t = 2 * kPi * i / n;  // from the extreme compression fibre, at the top
    d.body += bar(x + ring * std::sin(t), y - ring * std::cos(t), s.dcm * k / 2);
  }
  const std::string length = u.text(Q::Length);
  d.lines.push_back(formatted("%d bars of %g ", n, u.in(Q::Length, s.dcm)) + length +
                    " round a circle");
  d.lines.push_back(formatted("%s %g at %g ", transverseName(a.transverse), u.in(Q::Length, s.dbcm),
                              u.in(Q::Length, s.sccm)) +
                    length);
  return d;
}

Label text(double x, double y, const std::string& words, Anchor anchor = Anchor::Middle) {
  return {x, y, words, kTextSize, anchor, false, ""};
}

}  // namespace

std::string sectionDrawing(const SectionData& s, const Analysis& a, const Units& u) {
  const bool round = a.shape == SectionShape::Circular;
  const double k = kSide / std::max(s.b, s.h);  // px per cm
  const double w = s.b * k, h = s.h * k, y = kTop;
  auto draw = [&](double width) {
    return round ? circular(s, a, width / 2, y + h / 2, k, u)
                 : rectangular(s, a, (width - w) / 2, y, k, u);
  };
  const std::string length = u.text(Q::Length);
  const std::string cover =
      formatted("cover %g ", u.in(Q::Length, s.clearb1cm)) + length + " to the ties' centre line";
  // As wide as the longest line needs.
  double width = std::max(kLeast, textWidth(cover, kTextSize) + 24);
  for (const std::string& words : draw(kLeast).lines) {
    width = std::max(width, textWidth(words, kTextSize) + 24);
  }
  Drawing d = draw(width);
  d.lines.insert(d.lines.begin(), cover);
  const double x = (width - w) / 2;
  std::vector<Label> labels = {text(width / 2, y - 8, "compression face"),
                               text(width / 2, y + h + 18,
                                    round ? formatted("D = %g ", u.in(Q::Length, s.h)) + length
                                          : formatted("b = %g ", u.in(Q::Length, s.b)) + length)};
  if (!round) {
    labels.push_back({x - 8, y + h / 2, formatted("h = %g ", u.in(Q::Length, s.h)) + length,
                      kTextSize, Anchor::Middle, true, ""});
  }
  double line = y + h + 18 + kLine + 4;
  for (const std::string& words : d.lines) {
    labels.push_back(text(12, line, words, Anchor::Start));
    line += kLine;
  }
  for (const Label& l : labels) d.body += labelSvg(l);
  return svgDocument(width, line, "Section: " + sizeWords(inUnits(s, u), a.shape) + " " + length,
                     d.body);
}

}  // namespace mphi
