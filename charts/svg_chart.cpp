#include "charts/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mphi {
namespace {

// Picture and panel geometry, in SVG user units.
constexpr double kWidth = 800;
constexpr double kMargin = 10;  // nothing is drawn closer to the picture's edge
constexpr double kTitleSize = 15, kAxisTitleSize = 13, kTickSize = 12, kLegendSize = 12;
constexpr double kFrameHeight = 300;
constexpr double kFirstFrameTop = 52;
constexpr double kPanelGap = 52;  // from a legend's last baseline to the next frame
constexpr double kLegendRow = 20;
constexpr double kAscent = 0.8;  // of the font size above the baseline; the rest below
constexpr int kMostIntervals = 8;

const char* const kFont = "DejaVu Sans, Arial, Helvetica, sans-serif";

std::string num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

const char* anchorName(Anchor a) {
  return a == Anchor::Start ? "start" : a == Anchor::Middle ? "middle" : "end";
}

}  // namespace

std::string labelSvg(const Label& l) {
  std::string s = "<text x=\"" + num(l.x) + "\" y=\"" + num(l.y) + "\" font-size=\"" + num(l.size) +
                  "\" text-anchor=\"" + anchorName(l.anchor) + "\"";
  if (l.vertical) s += " transform=\"rotate(-90 " + num(l.x) + " " + num(l.y) + ")\"";
  return s + l.attributes + ">" + escaped(l.text) + "</text>\n";
}

namespace {

std::string lineSvg(double x1, double y1, double x2, double y2, const std::string& style) {
  return "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" +
         num(y2) + "\" " + style + "/>\n";
}

// A marker `k` times its usual size.
std::string markerSvg(Shape shape, double x, double y, const std::string& colour, double k = 1) {
  const std::string stroke = "fill=\"white\" stroke=\"" + colour + "\" stroke-width=\"2\"";
  switch (shape) {
    case Shape::None:
      return {};
    case Shape::Circle:
      return "<circle cx=\"" + num(x) + "\" cy=\"" + num(y) + "\" r=\"" + num(5 * k) + "\" " +
             stroke + "/>\n";
    case Shape::Square:
      return "<rect x=\"" + num(x - 4.5 * k) + "\" y=\"" + num(y - 4.5 * k) + "\" width=\"" +
             num(9 * k) + "\" height=\"" + num(9 * k) + "\" " + stroke + "/>\n";
    case Shape::Triangle:
      return "<polygon points=\"" + num(x) + "," + num(y - 6 * k) + " " + num(x + 5.5 * k) + "," +
             num(y + 4 * k) + " " + num(x - 5.5 * k) + "," + num(y + 4 * k) + "\" " + stroke +
             "/>\n";
    case Shape::Diamond:
      return "<polygon points=\"" + num(x) + "," + num(y - 6 * k) + " " + num(x + 6 * k) + "," +
             num(y) + " " + num(x) + "," + num(y + 6 * k) + " " + num(x - 6 * k) + "," + num(y) +
             "\" " + stroke + "/>\n";
    case Shape::Cross: {
      const std::string style = "stroke=\"" + colour + "\" stroke-width=\"2\"";
      return lineSvg(x - 5 * k, y - 5 * k, x + 5 * k, y + 5 * k, style) +
             lineSvg(x - 5 * k, y + 5 * k, x + 5 * k, y - 5 * k, style);
    }
  }
  return {};
}

std::string axisTitle(const std::string& name, const std::string& unit, int power) {
  return name + " (" + factorText(power) + unit + ")";
}

struct Range {
  double low = INFINITY, high = -INFINITY;
  void take(double v) {
    if (!std::isfinite(v)) return;
    low = std::min(low, v);
    high = std::max(high, v);
  }
};

void dropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
    text.pop_back();  // continuation bytes of a UTF-8 character
  }
  if (!text.empty()) text.pop_back();
}

// A text in lines that each fit `width` at `size`, broken at blanks; a
// word longer than a line is broken where it must be. Nothing is cut.
std::vector<std::string> wrapped(const std::string& text, double size, double width) {
  std::vector<std::string> lines(1);
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    std::string word = text.substr(at, end - at);
    at = end + 1;
    const std::string joined = lines.back().empty() ? word : lines.back() + " " + word;
    if (textWidth(joined, size) <= width) {
      lines.back() = joined;
      continue;
    }
    if (!lines.back().empty()) lines.emplace_back();
    while (textWidth(word, size) > width) {  // a word wider than a line
      std::string head = word;
      while (head.size() > 1 && textWidth(head, size) > width) dropLastCharacter(head);
      lines.back() = head;
      lines.emplace_back();
      word = word.substr(head.size());
    }
    lines.back() = word;
  }
  return lines;
}

// Where one panel's parts go, worked out before anything is drawn.
struct Layout {
  Axis x, y;
  double left = 0, right = 0, top = 0, bottom = 0;
  double px(double v) const { return left + (v - x.low) / (x.high - x.low) * (right - left); }
  double py(double v) const { return bottom - (v - y.low) / (y.high - y.low) * (bottom - top); }
};

double widestTick(const Axis& axis) {
  double widest = 0;
  for (double v : axisTicks(axis))
    widest = std::max(widest, textWidth(tickText(axis, v), kTickSize));
  return widest;
}

// The finest axis whose tick labels, `room` apart per unit of value, keep
// `gap` between them.
Axis fittingAxis(double low, double high, double length, bool alongLabels) {
  Axis axis;
  for (int intervals = kMostIntervals; intervals >= 1; --intervals) {
    axis = niceAxis(low, high, intervals);
    const double spacing = length * axis.step / (axis.high - axis.low);
    const double needed = alongLabels ? widestTick(axis) + 10 : kTickSize + 4;
    if (spacing >= needed) break;
  }
  return axis;
}

Layout layoutPanel(const Panel& p, double top) {
  Range xs, ys;
  for (const Series& s : p.series) {
    for (double v : s.x) xs.take(v);
    for (double v : s.y) ys.take(v);
  }
  for (const Marker& m : p.markers) {
    xs.take(m.x);
    ys.take(m.y);
  }
  if (p.fromOrigin || xs.low > xs.high) {
    xs.take(0);
    ys.take(0);
  }
  // Headroom so that no line runs along the frame's top.
  const double pad = (ys.high - ys.low) * 0.05;
  Layout l;
  l.top = top;
  l.bottom = top + kFrameHeight;
  l.y = fittingAxis(ys.low - (ys.low < 0 ? pad : 0), ys.high + pad, kFrameHeight, false);
  // Left: the vertical title (in as many lines as it takes), then the
  // tick labels.
  const double titleLines = static_cast<double>(
      wrapped(axisTitle(p.yName, p.yUnit, l.y.power), kAxisTitleSize, kFrameHeight).size());
  l.left = kMargin + titleLines * (kAxisTitleSize + 2) + 6 + widestTick(l.y) + 6;
  double rightMargin = 24;
  for (int pass = 0; pass < 3; ++pass) {
    l.right = kWidth - rightMargin;
    l.x = fittingAxis(xs.low, xs.high, l.right - l.left, true);
    const double half = textWidth(tickText(l.x, l.x.high), kTickSize) / 2;
    if (half + kMargin <= rightMargin) break;
    rightMargin = half + kMargin;
  }
  return l;
}

// The legend's labels and swatches, flowing left to right under the panel;
// returns the baseline of its last row.
double drawLegend(const std::vector<LegendEntry>& entries, double firstBaseline, std::string& svg,
                  std::vector<Label>& labels) {
  const double lineSwatch = 26, markerSwatch = 12, gap = 18;
  double x = kMargin + 4, baseline = firstBaseline;
  for (const LegendEntry& e : entries) {
    const double swatch = e.line ? lineSwatch : markerSwatch;
    // A text too long for a row wraps onto rows of its own.
    const std::vector<std::string> lines =
        wrapped(e.text, kLegendSize, kWidth - 2 * kMargin - swatch - 10);
    double width = 0;
    for (const std::string& line : lines) {
      width = std::max(width, swatch + 6 + textWidth(line, kLegendSize));
    }
    if (x > kMargin + 4 && (lines.size() > 1 || x + width > kWidth - kMargin)) {
      x = kMargin + 4;
      baseline += kLegendRow;
    }
    const double mid = baseline - 4;
    if (e.line) {
      svg += lineSvg(x, mid, x + lineSwatch, mid,
                     "stroke=\"" + e.colour + "\" stroke-width=\"2\"" +
                         (e.dash.empty() ? "" : " stroke-dasharray=\"" + e.dash + "\""));
    }
    svg += markerSvg(e.shape, x + swatch / 2, mid, e.colour);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) baseline += kLegendRow;
      labels.push_back({x + swatch + 6, baseline, lines[i], kLegendSize, Anchor::Start, false,
                        " class=\"legend\""});
    }
    x = lines.size() > 1 ? kWidth : x + width + gap;  // the next entry on a row of its own
  }
  return baseline;
}

// The markers, nested where they fall together, and their notes clear of
// one another.
void drawMarkers(const std::vector<Marker>& markers, const Layout& l, std::string& svg,
                 std::vector<Label>& labels) {
  std::vector<Box> notes;
  for (std::size_t i = 0; i < markers.size(); ++i) {
    const Marker& m = markers[i];
    const double x = l.px(m.x), y = l.py(m.y);
    int later = 0;
    for (std::size_t j = i + 1; j < markers.size(); ++j) {
      later += std::hypot(l.px(markers[j].x) - x, l.py(markers[j].y) - y) < 1;
    }
    svg += markerSvg(m.shape, x, y, m.colour, 1 + 0.7 * later);
    if (m.note.empty()) continue;
    Label note{x + 9, y - 7, m.note, kTickSize, Anchor::Start, false, " class=\"note\""};
    for (int tries = 0; tries < 12; ++tries) {
      const Box b = labelBox(note);
      if (std::none_of(notes.begin(), notes.end(), [&b](const Box& o) { return overlaps(b, o); })) {
        break;
      }
      note.y += kTickSize + 2;
    }
    notes.push_back(labelBox(note));
    labels.push_back(note);
  }
}

// Draws one panel from `top`; returns the baseline of its lowest label.
double drawPanel(const Panel& p, double top, std::string& svg, std::vector<Label>& labels) {
  const Layout l = layoutPanel(p, top);
  svg += "<g class=\"grid\" stroke=\"#dddddd\" stroke-width=\"1\">\n";
  for (double v : axisTicks(l.x)) svg += lineSvg(l.px(v), l.top, l.px(v), l.bottom, "");
  for (double v : axisTicks(l.y)) svg += lineSvg(l.left, l.py(v), l.right, l.py(v), "");
  svg += "</g>\n";
  for (double v : axisTicks(l.x)) {
    labels.push_back({l.px(v), l.bottom + 17, tickText(l.x, v), kTickSize, Anchor::Middle, false,
                      " class=\"tick\""});
  }
  for (double v : axisTicks(l.y)) {
    labels.push_back({l.left - 6, l.py(v) + 4, tickText(l.y, v), kTickSize, Anchor::End, false,
                      " class=\"tick\""});
  }
  svg += "<rect class=\"frame\" x=\"" + num(l.left) + "\" y=\"" + num(l.top) + "\" width=\"" +
         num(l.right - l.left) + "\" height=\"" + num(l.bottom - l.top) +
         "\" fill=\"none\" stroke=\"black\" stroke-width=\"1.2\"/>\n";
  if (l.y.low < 0) svg += lineSvg(l.left, l.py(0), l.right, l.py(0), "stroke=\"black\"");
  double titleX = kMargin + kAxisTitleSize * kAscent;
  for (const std::string& line :
       wrapped(axisTitle(p.yName, p.yUnit, l.y.power), kAxisTitleSize, kFrameHeight)) {
    labels.push_back({titleX, (l.top + l.bottom) / 2, line, kAxisTitleSize, Anchor::Middle, true,
                      " class=\"axis-title\""});
    titleX += kAxisTitleSize + 2;
  }
  double below = l.bottom + 40;
  for (const std::string& line :
       wrapped(axisTitle(p.xName, p.xUnit, l.x.power), kAxisTitleSize, l.right - l.left)) {
    labels.push_back({(l.left + l.right) / 2, below, line, kAxisTitleSize, Anchor::Middle, false,
                      " class=\"axis-title\""});
    below += kAxisTitleSize + 4;
  }
  below -= kAxisTitleSize + 4;  // the last title line's baseline

  if (!p.empty.empty()) {
    const std::vector<std::string> lines = wrapped(p.empty, kLegendSize, l.right - l.left - 20);
    double y = (l.top + l.bottom) / 2 - (static_cast<double>(lines.size()) - 1) * kLegendRow / 2;
    for (const std::string& line : lines) {
      labels.push_back({(l.left + l.right) / 2, y, line, kLegendSize, Anchor::Middle, false,
                        " class=\"empty\""});
      y += kLegendRow;
    }
  }
  std::vector<std::string> drawn;  // each series' points as drawn
  for (const Series& s : p.series) {
    std::string points;
    for (std::size_t i = 0; i < s.x.size() && i < s.y.size(); ++i) {
      if (!std::isfinite(s.x[i]) || !std::isfinite(s.y[i])) continue;
      points += num(l.px(s.x[i])) + "," + num(l.py(s.y[i])) + " ";
    }
    drawn.push_back(points);
  }
  for (std::size_t i = 0; i < p.series.size(); ++i) {
    const Series& s = p.series[i];
    std::string points = drawn[i];
    if (points.empty()) continue;
    points.pop_back();
    // Beneath a later series on the same points, wider, so both show.
    const bool covered =
        std::find(drawn.begin() + static_cast<long>(i) + 1, drawn.end(), drawn[i]) != drawn.end();
    svg += "<polyline class=\"" + s.className + "\" fill=\"none\" stroke=\"" + s.colour +
           "\" stroke-width=\"" + num(covered ? s.width + 4 : s.width) + "\"" +
           (s.dash.empty() ? "" : " stroke-dasharray=\"" + s.dash + "\"") + " points=\"" + points +
           "\"/>\n";
  }
  drawMarkers(p.markers, l, svg, labels);
  if (p.legend.empty()) return below;
  return drawLegend(p.legend, below + 24, svg, labels);
}

}  // namespace

bool overlaps(const Box& a, const Box& b) {
  return a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

double textWidth(const std::string& utf8, double size) {
  std::size_t characters = 0;
  for (unsigned char ch : utf8) characters += (ch & 0xC0) != 0x80;
  return kCharWidth * size * static_cast<double>(characters);
}

Box labelBox(const Label& l) {
  const double w = textWidth(l.text, l.size);
  const double start = l.anchor == Anchor::Start ? 0 : l.anchor == Anchor::Middle ? -w / 2 : -w;
  if (!l.vertical)
    return {l.x + start, l.y - kAscent * l.size, l.x + start + w, l.y + (1 - kAscent) * l.size};
  // Turned a quarter anticlockwise: the text runs up, its top faces left.
  return {l.x - kAscent * l.size, l.y - start - w, l.x + (1 - kAscent) * l.size, l.y - start};
}

Axis niceAxis(double low, double high, int intervals) {
  if (!std::isfinite(low) || !std::isfinite(high)) low = 0, high = 1;
  if (!(high > low)) {
    const double half = low == 0 ? 1 : std::fabs(low) * 0.5;
    low -= half;
    high += half;
  }
  const double raw = (high - low) / std::max(intervals, 1);
  const int n0 = static_cast<int>(std::floor(std::log10(raw)));
  Axis a;
  int n = n0;
  double mantissa = 10;
  for (double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * std::pow(10.0, n0) >= raw * (1 - 1e-9)) {
      mantissa = m;
      break;
    }
  }
  if (mantissa == 10) mantissa = 1, ++n;
  a.step = mantissa * std::pow(10.0, n);
  a.low = std::floor(low / a.step + 1e-9) * a.step;
  a.high = std::ceil(high / a.step - 1e-9) * a.step;
  // Long numbers (very small steps or very large values) move a common
  // factor, a power of a thousand, into the axis title.
  const double largest = std::max(std::fabs(a.low), std::fabs(a.high));
  if (n <= -3 || largest >= 1e5) a.power = 3 * static_cast<int>(std::floor(n / 3.0));
  a.decimals = std::max(0, a.power - n);
  return a;
}

std::vector<double> axisTicks(const Axis& a) {
  std::vector<double> ticks;
  const long first = std::lround(a.low / a.step);
  const long last = std::lround(a.high / a.step);
  for (long i = first; i <= last; ++i) ticks.push_back(static_cast<double>(i) * a.step);
  return ticks;
}

std::string tickText(const Axis& a, double value) {
  char text[48];
  const double scaled = value / std::pow(10.0, a.power);
  std::snprintf(text, sizeof text, "%.*f", a.decimals, std::fabs(scaled) < 1e-9 ? 0.0 : scaled);
  return text;
}

std::string factorText(int power) {
  if (power == 0) return {};
  static const char* const kSuperscript[] = {
      "\xE2\x81\xB0", "\xC2\xB9",     "\xC2\xB2",     "\xC2\xB3",     "\xE2\x81\xB4",
      "\xE2\x81\xB5", "\xE2\x81\xB6", "\xE2\x81\xB7", "\xE2\x81\xB8", "\xE2\x81\xB9"};
  std::string digits;
  for (int p = std::abs(power); p > 0; p /= 10) digits = kSuperscript[p % 10] + digits;
  return std::string("\xC3\x97 10") + (power < 0 ? "\xE2\x81\xBB" : "") + digits + " ";
}

std::string svgPicture(const std::string& title, const std::vector<Panel>& panels) {
  std::string body;
  std::vector<Label> labels;
  double top = kFirstFrameTop, titleBaseline = 28;
  for (const std::string& line : wrapped(title, kTitleSize, kWidth - 2 * kMargin)) {
    if (titleBaseline > 28) top += kTitleSize + 5;  // each further line moves the panels down
    labels.push_back({kWidth / 2, titleBaseline, line, kTitleSize, Anchor::Middle, false,
                      " font-weight=\"bold\" class=\"title\""});
    titleBaseline += kTitleSize + 5;
  }
  double lowest = top;
  for (const Panel& p : panels) {
    lowest = drawPanel(p, top, body, labels);
    top = lowest + kPanelGap;
  }
  for (const Label& l : labels) body += labelSvg(l);
  return svgDocument(kWidth, std::ceil(lowest + 16), title, body);
}

std::string svgNumber(double v) {
  return num(v);
}

std::string svgDocument(double width, double height, const std::string& title,
                        const std::string& body) {
  // A whole width as a whole number, as the pictures have always had it.
  const std::string w =
      width == std::floor(width) ? std::to_string(static_cast<long>(width)) : num(width);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + num(height) +
         "\" viewBox=\"0 0 " + w + " " + num(height) + "\" font-family=\"" + kFont + "\">\n";
  svg += "<title>" + escaped(title) + "</title>\n";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  return svg + body + "</svg>\n";
}

std::string rampColour(double t) {
  t = std::min(1.0, std::max(0.0, t));
  // Hue from blue (240) to red (0) at even saturation and lightness.
  const double hue = 240 * (1 - t), s = 0.75, l = 0.42;
  const double c = (1 - std::fabs(2 * l - 1)) * s;
  const double hp = hue / 60;
  const double x = c * (1 - std::fabs(std::fmod(hp, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  if (hp < 1)
    r = c, g = x;
  else if (hp < 2)
    r = x, g = c;
  else if (hp < 3)
    g = c, b = x;
  else if (hp < 4)
    g = x, b = c;
  else
    r = x, b = c;
  const double m = l - c / 2;
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<int>(std::lround((r + m) * 255)),
                static_cast<int>(std::lround((g + m) * 255)),
                static_cast<int>(std::lround((b + m) * 255)));
  return text;
}

}  // namespace mphi
