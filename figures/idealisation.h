// The two bilinear idealisations engineers use to read a ductility off a
// moment-curvature curve. Both take the curve's points (the origin and the
// computed rows, straight between them), its first yield and its peak;
// units T and cm. Nothing here fails: a rule that does not apply to a curve
// says so in its state.
#pragma once

#include "curve/curve.h"

namespace mphi {

// Caltrans: elastic branch through first yield (Ky, My), then a plastic
// moment Mp that balances the areas between the computed and the idealised
// curves beyond first yield.
enum class CaltransState {
  Done,
  NoYield,     // first yield never reached: no elastic branch
  NoRealRoot,  // the curve holds more area than any Mp can match
};

struct Caltrans {
  CaltransState state = CaltransState::NoYield;
  double K = 0;             // elastic stiffness My / Ky, T.cm2
  double area = 0;          // My Ky / 2 plus the area under the curve from Ky to phi_u, T
  double Mp = 0;            // plastic moment, T.cm
  double phiYi = 0;         // idealised yield curvature Mp / K, 1/cm
  double muPhi = 0;         // curvature ductility phi_u / phi_yi
  bool overstates = false;  // Mp above the peak moment Mu
};

Caltrans caltransIdealisation(const Curve& curve);

// Priestley: the nominal moment Mn where the extreme fibre reaches 0.004 or
// the outermost tension layer 0.015, whichever comes first; yield curvature
// Ky Mn / My, but never below Ky.
constexpr float kConcreteStrainLimit = 0.004f;
constexpr float kSteelStrainLimit = 0.015f;

enum class NominalLimit { Concrete, Steel, Peak };

struct Priestley {
  bool available = false;  // false only when nothing was computed
  NominalLimit limit = NominalLimit::Peak;
  double Mn = 0;         // T.cm
  double phiN = 0;       // curvature at Mn, 1/cm
  bool yielded = false;  // phi_y and mu_phi need first yield
  double phiY = 0;       // 1/cm
  double muPhi = 0;      // phi_u / phi_y
};

// A row's tension strain is (tensionDepth - c) phi. Strains are
// interpolated linearly between the two computed rows that bracket a limit.
Priestley priestleyIdealisation(const Curve& curve);

// "concrete 0.004", "steel 0.015" or "peak".
const char* limitName(NominalLimit limit);

}  // namespace mphi
