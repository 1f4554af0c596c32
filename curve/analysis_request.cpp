#include "curve/analysis_request.h"

namespace mphi {

const char* shapeName(SectionShape shape) {
  return shape == SectionShape::Circular ? "circular" : "rectangular";
}

const char* transverseName(Transverse transverse) {
  return transverse == Transverse::Hoops ? "hoops" : "spiral";
}

}  // namespace mphi
