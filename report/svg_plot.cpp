#include "report/svg_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace mphi {
namespace {

// Canvas and plot area, in SVG user units (pixels at 800 x 500).
constexpr double kWidth = 800, kHeight = 500;
constexpr double kLeft = 90, kRight = 770, kTop = 50, kBottom = 420;

const char* const kCurveColour = "#1f4e9a";
const char* const kIdealColour = "#c0392b";
const char* const kLevelColour = "#7f7f7f";

std::string num(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", v);
  return text;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char ch : text) {
    if (ch == '&')
      out += "&amp;";
    else if (ch == '<')
      out += "&lt;";
    else if (ch == '>')
      out += "&gt;";
    else if (ch == '"')
      out += "&quot;";
    else
      out += ch;
  }
  return out;
}

// A tick spacing of 1, 2, 2.5 or 5 times a power of ten giving about
// `ticks` intervals over `span`.
double tickStep(double span, int ticks) {
  const double raw = span / ticks;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double m : {1.0, 2.0, 2.5, 5.0}) {
    if (m * power >= raw) return m * power;
  }
  return 10 * power;
}

struct Axis {
  double low, high, step;
};

Axis axisFor(double low, double high) {
  if (!(high > low)) high = low + 1;
  const double step = tickStep(high - low, 6);
  return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

struct Frame {
  Axis x, y;
  double px(double k) const { return kLeft + (k - x.low) / (x.high - x.low) * (kRight - kLeft); }
  double py(double m) const { return kBottom - (m - y.low) / (y.high - y.low) * (kBottom - kTop); }
};

std::string tickLabel(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4g", std::fabs(v) < 1e-12 ? 0.0 : v);
  return text;
}

std::string text(double x, double y, const std::string& content, const char* anchor = "start",
                 const std::string& extra = "") {
  return "<text x=\"" + num(x) + "\" y=\"" + num(y) + "\" text-anchor=\"" + anchor + "\"" + extra +
         ">" + content + "</text>\n";
}

std::string line(double x1, double y1, double x2, double y2, const std::string& style) {
  return "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" +
         num(y2) + "\" " + style + "/>\n";
}

std::string marker(const Frame& f, const CurvePoint& p, const std::string& label, double dx,
                   double dy, const char* anchor) {
  const double x = f.px(p.k), y = f.py(p.m);
  char values[64];
  std::snprintf(values, sizeof values,
                ": %.3e 1/cm, %.0f T\xC2\xB7"
                "cm",
                p.k, p.m);
  return "<circle cx=\"" + num(x) + "\" cy=\"" + num(y) + "\" r=\"5\" fill=\"white\" stroke=\"" +
         kCurveColour + "\" stroke-width=\"2\"/>\n" +
         text(x + dx, y + dy, escaped(label + values), anchor, " class=\"key\"");
}

}  // namespace

std::string svgPlot(const SectionFile& file, const CurveSummary& s) {
  double kMax = 0, mMin = 0, mMax = 0;
  for (const CurvePoint& p : s.points) {
    kMax = std::max(kMax, p.k);
    mMin = std::min(mMin, p.m);
    mMax = std::max(mMax, p.m);
  }
  const bool ideal = s.ideal.state == IdealisationState::Done;
  if (ideal) mMax = std::max(mMax, s.ideal.Mp);
  Frame f{axisFor(0, kMax), axisFor(mMin, mMax * 1.08)};
  // Curvature ticks are shown as multiples of a power of ten.
  const int power = static_cast<int>(std::floor(std::log10(f.x.high)));
  const double scale = std::pow(10.0, power);

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"800\" height=\"500\" viewBox=\"0 0 " +
         num(kWidth) + " " + num(kHeight) +
         "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"13\">\n";
  svg += "<title>Moment-curvature curve</title>\n";
  svg += "<rect width=\"800\" height=\"500\" fill=\"white\"/>\n";
  char title[160];
  std::snprintf(title, sizeof title,
                "M-\xCF\x86 curve: b \xC3\x97 h = %g \xC3\x97 %g cm, P0 = %g T", file.b, file.h,
                file.P0);
  svg += text(kWidth / 2, 28, escaped(title), "middle", " font-size=\"16\" font-weight=\"bold\"");

  // Grid, ticks and tick labels.
  svg += "<g class=\"grid\" stroke=\"#dddddd\" stroke-width=\"1\">\n";
  for (double k = f.x.low; k <= f.x.high + f.x.step / 2; k += f.x.step) {
    svg += line(f.px(k), kTop, f.px(k), kBottom, "");
  }
  for (double m = f.y.low; m <= f.y.high + f.y.step / 2; m += f.y.step) {
    svg += line(kLeft, f.py(m), kRight, f.py(m), "");
  }
  svg += "</g>\n<g class=\"ticks\">\n";
  for (double k = f.x.low; k <= f.x.high + f.x.step / 2; k += f.x.step) {
    svg += text(f.px(k), kBottom + 20, tickLabel(k / scale), "middle");
  }
  for (double m = f.y.low; m <= f.y.high + f.y.step / 2; m += f.y.step) {
    svg += text(kLeft - 8, f.py(m) + 4, tickLabel(m), "end");
  }
  svg += "</g>\n";
  svg += "<rect class=\"axes\" x=\"" + num(kLeft) + "\" y=\"" + num(kTop) + "\" width=\"" +
         num(kRight - kLeft) + "\" height=\"" + num(kBottom - kTop) +
         "\" fill=\"none\" stroke=\"black\" stroke-width=\"1.2\"/>\n";
  if (f.y.low < 0) svg += line(kLeft, f.py(0), kRight, f.py(0), "stroke=\"black\"");
  char power10[16];
  std::snprintf(power10, sizeof power10, "%d", power);
  svg += text((kLeft + kRight) / 2, kBottom + 48,
              "Curvature \xCF\x86 (\xC3\x97 10<tspan baseline-shift=\"super\" font-size=\"10\">" +
                  std::string(power10) + "</tspan> 1/cm)",
              "middle", " class=\"axis-label\"");
  svg +=
      text(24, (kTop + kBottom) / 2,
           "Moment M (T\xC2\xB7"
           "cm)",
           "middle",
           " class=\"axis-label\" transform=\"rotate(-90 24 " + num((kTop + kBottom) / 2) + ")\"");

  if (s.points.size() > 1) {
    // The 0.8 Mu level that ends the curve.
    const double level = 0.8 * s.peak.m;
    svg += line(kLeft, f.py(level), kRight, f.py(level),
                std::string("class=\"level\" stroke=\"") + kLevelColour +
                    "\" stroke-dasharray=\"2 4\" stroke-width=\"1.5\"");
    char levelText[64];
    std::snprintf(levelText, sizeof levelText,
                  "0.8 Mu = %.0f T\xC2\xB7"
                  "cm",
                  level);
    svg += text(kLeft + 6, f.py(level) - 6, levelText, "start", " fill=\"#555555\"");

    std::string points;
    for (const CurvePoint& p : s.points) points += num(f.px(p.k)) + "," + num(f.py(p.m)) + " ";
    points.pop_back();
    svg += std::string("<polyline class=\"curve\" fill=\"none\" stroke=\"") + kCurveColour +
           "\" stroke-width=\"2.2\" points=\"" + points + "\"/>\n";
    if (ideal) {
      const double ku = s.ultimate.k;
      svg += std::string("<polyline class=\"idealisation\" fill=\"none\" stroke=\"") +
             kIdealColour + "\" stroke-width=\"1.8\" stroke-dasharray=\"8 5\" points=\"" +
             num(f.px(0)) + "," + num(f.py(0)) + " " + num(f.px(s.ideal.kyi)) + "," +
             num(f.py(s.ideal.Mp)) + " " + num(f.px(ku)) + "," + num(f.py(s.ideal.Mp)) + "\"/>\n";
    }
    if (s.yielded) {
      svg += marker(f, {file.Ky, file.My, 0}, "First yield", -10, -12, "end");
    }
    svg += marker(f, s.peak, "Peak", 8, -14, "start");
    svg += marker(f, s.ultimate, "Ultimate", -10, 20, "end");

    // Legend, top left inside the plot.
    const double lx = kLeft + 14, ly = kTop + 18;
    svg += "<g class=\"legend\">\n";
    svg += line(lx, ly, lx + 30, ly,
                std::string("stroke=\"") + kCurveColour + "\" stroke-width=\"2.2\"");
    svg += text(lx + 38, ly + 4, "computed curve");
    if (ideal) {
      svg += line(lx, ly + 20, lx + 30, ly + 20,
                  std::string("stroke=\"") + kIdealColour +
                      "\" stroke-width=\"1.8\" stroke-dasharray=\"8 5\"");
      svg += text(lx + 38, ly + 24, "bilinear idealisation (equal area)");
    }
    svg += "</g>\n";
  } else {
    svg += text((kLeft + kRight) / 2, (kTop + kBottom) / 2, "no step was computed", "middle");
  }
  svg += "</svg>\n";
  return svg;
}

}  // namespace mphi
