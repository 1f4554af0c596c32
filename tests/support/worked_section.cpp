#include "tests/support/worked_section.h"

#include "analysis/section_check.h"

namespace mphi {

SectionData workedSection(float P0) {
  SectionData s;
  s.b = 40;
  s.h = 35;
  s.dt = 6;
  s.clearh2cm = 7.916666507720947f;
  s.cln3 = 11.75f;
  s.cln4 = 15.583333015441895f;
  s.dcm = 1.9f;
  s.num1 = 2.7109272480010986f;
  s.num2 = s.num3 = s.num4 = 0.7422776222229004f;
  s.clearb1cm = 5;
  s.dbcm = 1.3f;
  s.sccm = 10;
  s.fc = 0.21f;
  s.fy = 4.2f;
  s.fsy = 2.8f;
  s.Es = 2100;
  s.P0 = P0;
  s.r = 0.02f;
  return s;
}

SectionData bridgeSection(float P0) {
  SectionData s;
  s.b = s.h = 60;
  s.dcm = 2.5f, s.clearb1cm = 4, s.dbcm = 1.3f, s.sccm = 8;
  s.fc = 0.35f, s.fy = 4.2f, s.fsy = 4.2f, s.Es = 2040, s.P0 = P0, s.r = 0;
  prepareSection(s);  // sound data: its checks pass (circular_test)
  return s;
}

Analysis bridgeColumn(double L, Transverse transverse) {
  Analysis a;
  a.model = Model::Assessment;
  a.shape = SectionShape::Circular;
  a.circleBars = 12;
  a.transverse = transverse;
  a.length = L;
  return a;
}

}  // namespace mphi
