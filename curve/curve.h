// A moment-curvature curve as a value, whichever model traced it: its
// points, the key points the model defines, how it ended and what happened
// on the way. Units T and cm; strains compression positive. No text: the
// front ends say it in their own words.
#pragma once

#include <string>
#include <vector>

#include "curve/analysis_request.h"
#include "section/units.h"

namespace mphi {

enum class CurveEnd {
  PointEightMu,     // the moment fell below 0.8 of its peak
  CompressionBars,  // the bars nearest the compression face failed
  TensionBars,      // the outermost tension bars failed
  CoreCrushing,     // the core edge reached its ultimate strain
  BarFracture,      // a main bar reached its fracture strain esu
  AxialCapacity,    // equilibrium lost past some strain
  NoEquilibrium,    // no neutral axis balances the load at all
  TableFull,        // the specified model's 500-row table is full
  RowCap,           // the assessment model's 1000 rows
  NotKnown,         // read back from a file that does not tell
};

// The one vocabulary of every tool: "0.8Mu", "compression_bars",
// "tension_bars", "core_crushing", "bar_fracture", "axial_capacity",
// "no_equilibrium", "table_full", "row_cap"; "" when not known.
const char* endName(CurveEnd end);

// A curve ends, or has lost its strength, where the moment falls below this
// share of its peak.
constexpr double kDropToEnd = 0.8;

struct CurvePoint {
  double phi = 0;        // curvature, 1/cm
  double M = 0;          // moment about mid-depth, T.cm
  double eps = 0;        // extreme-fibre strain
  double c = 0;          // neutral-axis depth below the compression face, cm
  int row = 0;           // the model's row number: SECTION's, for the specified model
  bool balanced = true;  // false: the search gave up with the forces out of balance
};

// A point the model names on its curve; `exists` false when the curve never
// reaches it.
struct KeyPoint {
  bool exists = false;
  std::string governed;  // what set it ("steel ey", "extreme fibre 0.002")
  double eps = 0, c = 0, phi = 0, M = 0;
  double epsCore = 0;     // core edge on the compression side
  double epsTension = 0;  // outermost tension bars, positive when stretched
  int row = 0;            // the row it lies on, where it is a row
};

// A key point lying on a row of the curve.
KeyPoint keyPointAt(const CurvePoint& point);

struct KeyPoints {
  KeyPoint firstYield;
  KeyPoint tensionSteelYield;
  KeyPoint serviceability;
  KeyPoint peak;
  KeyPoint damageControl;
  KeyPoint ultimate;
  KeyPoint strengthLoss;  // after the peak, where the moment falls to 0.8 of it
};

// What happened at one step, in the order it happened.
enum class StepEventKind {
  PastRowLimit,           // a step past row 498
  OutOfTrials,            // the equilibrium search gave up; value: the fibre strain
  CompressionBarsFailed,  // value: the strain of the bars nearest the compression face
  TensionBarsFailed,      // value: the strain of the outermost tension bars
};

struct StepEvent {
  StepEventKind kind;
  int row = 0;
  double value = 0;
};

// How the ties confine the core: by one hoop round a circle of the core's
// area, by Mander's rectangular form from the real ties and bars, or by his
// circular form from a circular section's spiral or hoops.
enum class Confinement { EquivalentCircle, Rectangular, Circular };
// "equivalent_circle", "rectangular", "circular".
const char* confinementName(Confinement confinement);

// The model's material constants, MPa and strains; 0 where the model has
// no such constant.
struct MaterialConstants {
  double fc1 = 0;  // unconfined concrete strength
  double fcc = 0;  // confined strength
  double ecc = 0;  // strain at the confined peak
  double Ec = 0;   // tangent modulus
  double rcc = 0;  // shape exponent of the confined law
  double fy = 0, ey = 0, esh = 0, esu = 0, fu = 0;
  double ecu = 0;  // ultimate strain of the core
  // The confinement behind fcc and ecu.
  Confinement confinement = Confinement::EquivalentCircle;
  double ke = 0;    // confinement effectiveness
  double rhoS = 0;  // volumetric ratio of the ties it takes
  double fl = 0;    // effective lateral confining stress
};

// A layer of main bars, from the compression face down.
struct BarRow {
  double depth = 0;  // cm
  double area = 0;   // cm2
  int bars = 0;      // whole bars; 0 where the steel is spread along the faces
};

// Where the figures stop short of the model's own rows: at the first bar
// failure (the table may go on past it), or before any row, where the
// tension load is beyond the bars' strength As fu or, read back from a
// file that cannot say whether they failed, beyond their yield As fy.
enum class FiguresStop { None, BarFailure, BeyondSteelStrength, BeyondSteelYield };

struct Curve {
  SectionShape shape = SectionShape::Rectangular;  // a circle's D is its section's b and h
  CurveEnd end = CurveEnd::NotKnown;
  FiguresStop stop = FiguresStop::None;
  StepEvent stopEvent{StepEventKind::TensionBarsFailed};  // the bar failure, for BarFailure
  double stopLoad = 0;                                    // for BeyondSteel...: As fu or As fy, T
  std::vector<CurvePoint> points;  // the origin first, then every computed row
  int tableRows = 0;               // rows of the model's table, rows without a result included
  KeyPoints keys;
  std::vector<StepEvent> events;
  MaterialConstants constants;
  double tensionDepth = 0;  // outermost tension bars below the compression face, cm
  double barInset = 0;      // faces to the outer bars' centres, cm
  std::vector<BarRow> layers;
};

// A copy in the units: curvatures, moments, depths and bar areas. Strains
// and ratios stay as they are.
Curve inUnits(const Curve& curve, const Units& units);

}  // namespace mphi
