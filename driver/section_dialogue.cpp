#include "driver/section_dialogue.h"

#include "driver/channels.h"
#include "section/bar_layout.h"
#include "textio/version.h"

namespace mphi {

// The first credit line names the version; it stays 46 characters long.
constexpr char kCreditStart[] = " mphi ";
constexpr char kCreditEnd[] = " - RC column section M-phi analysis";
static_assert(sizeof kCreditStart + sizeof kVersion + sizeof kCreditEnd - 3 == 46,
              "the banner's first credit line is 46 characters");

void writeBanner(RecordWriter& w) {
  const std::string kLines[] = {
      "+++++++++++++++++++++++++++++++++++",
      " Rectangular column section moment-curvature analysis",
      std::string(kCreditStart) + kVersion + kCreditEnd,
      " Confined core, unconfined cover, hardening main bars",
      " Units: tons, cm and T/cm2; results go to SECTION.",
      "+++++++++++++++++++++++++++++++++++",
  };
  for (const std::string& line : kLines) writeTextRecord(w, kStdoutChannel, line);
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

void applyBarLayout(RecordWriter& console, SectionData& s) {
  writeTextRecord(console, kStdoutChannel, "Section B x H");
  writeTextRecord(console, kStdoutChannel, "Main reinf ratio r: 0.01--0.08");
  writeTextRecord(console, kStdoutChannel, "4 layers reinf in 1/2 H");
  applyBarLayout(s);
}

}  // namespace mphi
