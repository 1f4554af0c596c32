// The section data's units (tons, centimetres, T/cm2) and the conversions
// every part of the program works them with. The literals are floats: the
// results have always been worked out with these single-precision values.
#pragma once

namespace mphi {

constexpr float kTonPerCm2InMPa = 0.0102f;  // divide a stress in T/cm2 by this for MPa
constexpr float kNewtonsPerTon = 9810.0f;
constexpr float kMmPerCm = 10.0f;
constexpr float kCmPerM = 100.0f;

// Pi as the bar and tie areas have always been worked out with it.
constexpr float kPiAreas = 3.1416f;

}  // namespace mphi
