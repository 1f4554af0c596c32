// The section data of one run, in tons, centimetres and T/cm2.
#pragma once

namespace mphi {

struct SectionData {
  float b = 0;          // section width, cm
  float h = 0;          // section depth, cm
  float dt = 0;         // depth of bar layer 1 below the compression face, cm
  float clearh2cm = 0;  // depth of bar layer 2, cm
  float cln3 = 0;       // depth of bar layer 3, cm
  float cln4 = 0;       // depth of bar layer 4, cm
  float dcm = 0;        // main bar diameter, cm
  float num1 = 0;       // bars in layers 1 to 4: real numbers, never rounded
  float num2 = 0;
  float num3 = 0;
  float num4 = 0;
  float clearb1cm = 0;  // cover from every face to the tie core, cm
  float dbcm = 0;       // tie diameter, cm
  float sccm = 0;       // tie spacing, cm
  float fc = 0;         // concrete strength, T/cm2
  float fy = 0;         // main bar yield strength, T/cm2
  float fsy = 0;        // tie yield strength, T/cm2
  float Es = 0;         // steel modulus, T/cm2
  float P0 = 0;         // axial load, T, compression positive
  float r = 0;          // main steel area over b x h
};

}  // namespace mphi
