// The tools' SVG pictures: panels of x-y charts stacked under a title, each
// with nice axes, its lines and markers, and a legend under it. Pictures
// are self-contained (no scripts, fonts or links). Every label is placed by
// its estimated extent (0.6 x the font size per character, the font size
// high) wholly inside the picture and clear of every other label.
#pragma once

#include <string>
#include <vector>

namespace mphi {

constexpr double kCharWidth = 0.6;  // estimated glyph width, in font sizes

// Words of the charts' labels as UTF-8 literals, for joining with others.
#define MPHI_TCM \
  "T\xC2\xB7"    \
  "cm"
#define MPHI_PHI "\xCF\x86"
#define MPHI_MU "\xCE\xBC"
#define MPHI_DELTA "\xCE\x94"
#define MPHI_EPSILON "\xCE\xB5"

struct Box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
bool overlaps(const Box& a, const Box& b);

enum class Anchor { Start, Middle, End };

// One line of text at (x, y), y its baseline; a vertical label reads
// upwards, turned about its anchor point.
struct Label {
  double x = 0, y = 0;
  std::string text;  // UTF-8, plain (escaped when written)
  double size = 12;
  Anchor anchor = Anchor::Start;
  bool vertical = false;
  std::string attributes;  // further SVG attributes, with a leading blank
};

double textWidth(const std::string& utf8, double size);
Box labelBox(const Label& label);

// An axis over [low, high]: ticks at 1, 2 or 5 x 10^n, labels as plain
// numbers scaled by 10^power, which the axis title then names.
struct Axis {
  double low = 0, high = 1, step = 1;
  int power = 0;     // common factor 10^power of the tick labels
  int decimals = 0;  // of the scaled labels
};
// At most `intervals` intervals; a degenerate range is widened.
Axis niceAxis(double low, double high, int intervals);
std::vector<double> axisTicks(const Axis& axis);
std::string tickText(const Axis& axis, double value);
// "× 10³ " for a factor, else empty; it goes before the unit.
std::string factorText(int power);

enum class Shape { None, Circle, Square, Triangle, Diamond, Cross };

// A series that runs along a later one is drawn wider beneath it, so that
// both can be seen.
struct Series {
  std::vector<double> x, y;
  std::string colour = "#1f4e9a";
  double width = 2;
  std::string dash;       // stroke-dasharray, empty for solid
  std::string className;  // for readers of the picture
};

// Markers at one place are drawn nested, the earlier ones larger, so that
// each can be seen; a note is written beside its marker, clear of the
// other notes.
struct Marker {
  double x = 0, y = 0;
  Shape shape = Shape::Circle;
  std::string colour = "#1f4e9a";
  std::string note;  // a short name beside it ("D1"), or none
};

// A legend line: a line swatch (when `line`), a marker swatch, and text.
struct LegendEntry {
  std::string text;
  std::string colour = "#1f4e9a";
  bool line = true;
  std::string dash;
  Shape shape = Shape::None;
};

struct Panel {
  std::string xName, xUnit;  // "Curvature φ", "1/cm": the title adds the factor
  std::string yName, yUnit;
  std::vector<Series> series;
  std::vector<Marker> markers;
  std::vector<LegendEntry> legend;
  std::string empty;  // message drawn instead when there is nothing to plot
  // Extra room in the ranges: the data always lies inside, the origin too.
  bool fromOrigin = true;
};

// The picture, 800 wide, as tall as its panels and legends need.
std::string svgPicture(const std::string& title, const std::vector<Panel>& panels);

// For drawings that are not charts: a label as an SVG text element, a
// coordinate as SVG takes it, and the document every picture is (white,
// the tools' font, its title).
std::string labelSvg(const Label& label);
std::string svgNumber(double v);
std::string svgDocument(double width, double height, const std::string& title,
                        const std::string& body);

// For colouring many series along a quantity: t from 0 (blue) to 1 (red).
std::string rampColour(double t);

}  // namespace mphi
