// What to work out for a section beyond its 22 values: which model traces
// the curve, the explicit bars it may take, the legs of its ties, the
// column length for the drift, and the section's shape. The front ends make one from what the user
// gave through the one request parser (model/analysis_request.h).
#pragma once

#include <optional>

namespace mphi {

// The models, in the order the tools list them. Only the model table
// (model/) names one.
enum class Model { Specified, Assessment };

// Explicit bars: `face` bars on each face across the bending direction,
// corners included, and `side` bars on each side face between the corners.
// Counts as given; the model checks that they are whole numbers.
struct BarCounts {
  double face = 0;
  double side = 0;
};

// The legs of the ties in each direction: `b`, the legs running parallel
// to b; `h`, those running parallel to h, the bending direction, which
// carry the shear. One perimeter hoop has 2 and 2. At least 2; where
// crossties alternate from one set of ties to the next, the mean (3.5),
// as test databases give it.
struct TieLegs {
  double b = 2;
  double h = 2;
};

// The section's shape: a rectangle b by h, or a circle of diameter D (the
// 22 values' b and h both) with its bars on a circle.
enum class SectionShape { Rectangular, Circular };
// "rectangular", "circular".
const char* shapeName(SectionShape shape);

// What holds a circular core: a continuous spiral or separate hoops.
enum class Transverse { Spiral, Hoops };
// "spiral", "hoops".
const char* transverseName(Transverse transverse);

struct Analysis {
  Model model = Model{};          // the first model, mphi's own, unless asked otherwise
  std::optional<BarCounts> bars;  // explicit bars, for a model that takes them
  TieLegs legs;
  double length = 0;  // column length for the drift, cm; 0 for none
  SectionShape shape = SectionShape::Rectangular;
  double circleBars = 0;  // a circular section's bars round its circle, checked whole
  Transverse transverse = Transverse::Spiral;
};

}  // namespace mphi
