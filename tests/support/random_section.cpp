#include "tests/support/random_section.h"

namespace mphi {

// Before the layout: b, h and r decide it.
SectionData randomSection(Uniform& u) {
  SectionData s;
  s.b = static_cast<float>(u(25, 120));
  s.h = static_cast<float>(u(25, 120));
  s.clearb1cm = static_cast<float>(u(2.5, 7.5));
  s.dcm = static_cast<float>(u(1.3, 3.2));
  s.dbcm = static_cast<float>(u(0.95, 1.6));
  s.sccm = static_cast<float>(u(5, 30));
  s.fc = static_cast<float>(u(0.14, 0.56));
  s.fy = static_cast<float>(u(2.8, 5.6));
  s.fsy = static_cast<float>(u(2.8, 4.2));
  s.Es = static_cast<float>(u(2000, 2100));
  s.r = static_cast<float>(u(0.01, 0.06));
  s.P0 = static_cast<float>(u(-0.1, 0.95) * s.fc * s.b * s.h);
  return s;
}

}  // namespace mphi
