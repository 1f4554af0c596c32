#include "driver/section_dialogue.h"

#include "analysis/material_laws.h"
#include "driver/bar_layout.h"
#include "textio/channels.h"

namespace mphi {

void writeBanner(RecordWriter& w) {
  static const char* const kLines[] = {
      "+++++++++++++++++++++++++++++++++++",
      " Rectangular column section moment-curvature analysis",
      " mphi 1.0 - RC column section M-phi calculator",
      " Confined core, unconfined cover, hardening main bars",
      " Units: tons, cm and T/cm2; results go to SECTION.",
      "+++++++++++++++++++++++++++++++++++",
  };
  for (const char* line : kLines) writeTextRecord(w, kStdoutChannel, line);
}

void writeExampleInput(RecordWriter& w, int channel) {
  static const char* const kItems[] = {
      "RC section input data:' An example data file-- in Ton-cm unit",
      " b=40 ",
      " h=35 ",
      " A total 8 layers of bars in symmetry",
      " dth1=5.  cover to layer 1",
      " dth2=10. cover to layer 2",
      " dth3=15. cover to layer 3",
      " dth4=20. cover to layer 4",
      " main dia=1.9 cm",
      " Main bar numbers: 4 layers in h/2",
      " num1=2 in layer 1",
      " num2=3 in layer 2",
      " num3=4 in layer 3",
      " num4=2 in layer 4",
      " dtwidth=5. concrete cover at sides",
      " tie dia=1.3 cm",
      " space=10 cm",
      " fc=0.21 T/cm2",
      " fy=4.20 T/cm2",
      " fsy=2.80 T/cm2",
      " Es=2.1e3 T/cm2",
      " P0=100 T",
  };
  beginRecord(w, channel);
  for (const char* item : kItems) putText(w, item);
  endRecord(w);
}

int readSectionData(NumberReader& reader, SectionData& s) {
  // Values 1-6 and 8-11 are read but replaced by the layout; 20 and 21 are
  // the width and depth the run uses.
  float* const targets[kSectionValues] = {
      &s.b,    &s.h,    &s.dt,   &s.clearh2cm, &s.cln3, &s.cln4, &s.dcm, &s.num1,
      &s.num2, &s.num3, &s.num4, &s.clearb1cm, &s.dbcm, &s.sccm, &s.fc,  &s.fy,
      &s.fsy,  &s.Es,   &s.P0,   &s.b,         &s.h,    &s.r,
  };
  return readReals(reader, targets, kSectionValues);
}

void applyBarLayout(RecordWriter& console, SectionData& s) {
  const BarLayout layout = barLayout(console, s.b, s.h, s.r);
  const float Abar = static_cast<float>(static_cast<double>(s.dcm) * s.dcm * kPiAreas / 4.0f);
  s.num1 = static_cast<float>(static_cast<double>(layout.A1) / Abar);
  s.num2 = static_cast<float>(static_cast<double>(layout.A2) / Abar);
  s.num3 = static_cast<float>(static_cast<double>(layout.A3) / Abar);
  s.num4 = static_cast<float>(static_cast<double>(layout.A4) / Abar);
  s.dt = layout.d1;
  s.clearh2cm = layout.d2;
  s.cln3 = layout.d3;
  s.cln4 = layout.d4;
}

void writeEcho(RecordWriter& w, const SectionData& s) {
  writeTextRecord(w, kSectionChannel, kEchoTitle);
  writeTextRecord(w, kSectionChannel, kSectionNames);
  beginRecord(w, kSectionChannel);
  for (float v : {s.b, s.h, s.dt, s.clearh2cm, s.cln3, s.cln4, s.dcm, s.num1, s.num2, s.num3,
                  s.num4, s.clearb1cm}) {
    putReal(w, v);
  }
  endRecord(w);
  writeTextRecord(w, kSectionChannel, kMaterialNames);
  beginRecord(w, kSectionChannel);
  for (float v : {s.dbcm, s.sccm, s.fc, s.fy, s.fsy, s.Es, s.P0}) putReal(w, v);
  endRecord(w);
}

}  // namespace mphi
