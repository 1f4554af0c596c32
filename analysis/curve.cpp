#include "analysis/curve.h"

namespace mphi {

const char* endName(CurveEnd end) {
  switch (end) {
    case CurveEnd::PointEightMu:
      return "0.8Mu";
    case CurveEnd::CompressionBars:
      return "compression_bars";
    case CurveEnd::TensionBars:
      return "tension_bars";
    case CurveEnd::CoreCrushing:
      return "core_crushing";
    case CurveEnd::AxialCapacity:
      return "axial_capacity";
    case CurveEnd::NoEquilibrium:
      return "no_equilibrium";
    case CurveEnd::TableFull:
      return "table_full";
    case CurveEnd::RowCap:
      return "row_cap";
    case CurveEnd::NotKnown:
      break;
  }
  return "";
}

}  // namespace mphi
