// A traced moment-curvature curve as a value: what SECTION and the console
// receive from one analysis.
#pragma once

#include <string>
#include <vector>

namespace mphi {

// How the stepping stopped.
enum class CurveEnding {
  PointEightMu,     // the moment fell below 0.8 of its peak
  CompressionBars,  // layer 1 reached 40 ey past a fibre strain of 0.003
  TensionBars,      // layer 8 likewise
  NoEquilibrium,    // the load found no balancing neutral axis
  TableFull,        // 500 rows
};

// "0.8Mu", "compression_bars", "tension_bars", "no_equilibrium", "table_full".
const char* endingName(CurveEnding ending);

// One table row: curvature 1/cm, moment T.cm, fibre strain, neutral-axis
// depth cm; zeros where no step was recorded.
struct CurveRow {
  float k = 0, m = 0, e = 0, c = 0;
};

struct Curve {
  std::vector<CurveRow> rows;  // rows 1 to J: the origin first, the ending step's zeros last
  float My = 0;                // moment at initial yield, T.cm; 0 if never reached
  float Ky = 0;                // curvature at initial yield, 1/cm
  bool yielded = false;
  CurveEnding ending = CurveEnding::PointEightMu;
  std::vector<std::string> console;  // console lines in order, without line ends
};

}  // namespace mphi
