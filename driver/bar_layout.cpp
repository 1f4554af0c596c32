#include "driver/bar_layout.h"

#include "textio/channels.h"

namespace mphi {

// Each step is worked in double and stored as a float; later steps use the
// stored value.
BarLayout computeBarLayout(float b, float h, float r) {
  constexpr float kInset = 6.0f;  // bar centre line inside every face, cm
  const float Ast = static_cast<float>(static_cast<double>(b) * h * r);
  const float bs = static_cast<float>(static_cast<double>(b) - 2.0f * kInset);
  const float hs = static_cast<float>(static_cast<double>(h) - 2.0f * kInset);
  const float perim = static_cast<float>((static_cast<double>(hs) + bs) * 2.0f);
  const float q = static_cast<float>(static_cast<double>(Ast) / perim);
  const float pitch = static_cast<float>((static_cast<double>(h) / 2.0f - kInset) / 3.0f);
  BarLayout layout;
  layout.A1 = static_cast<float>(static_cast<double>(q) * bs);
  layout.A2 = static_cast<float>(static_cast<double>(q) * hs / 3.0f);
  layout.A3 = layout.A2;
  layout.A4 = layout.A2;
  layout.d1 = kInset;
  layout.d2 = static_cast<float>(static_cast<double>(pitch) / 2.0f + layout.d1);
  layout.d3 = static_cast<float>(static_cast<double>(pitch) + layout.d2);
  layout.d4 = static_cast<float>(static_cast<double>(pitch) + layout.d3);
  return layout;
}

BarLayout barLayout(RecordWriter& console, float b, float h, float r) {
  writeTextRecord(console, kStdoutChannel, "Section B x H");
  writeTextRecord(console, kStdoutChannel, "Main reinf ratio r: 0.01--0.08");
  writeTextRecord(console, kStdoutChannel, "4 layers reinf in 1/2 H");
  return computeBarLayout(b, h, r);
}

}  // namespace mphi
