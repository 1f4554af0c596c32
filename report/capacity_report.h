// A column's drift capacity and its shear strength in a report: the JSON
// parts "confinement", "shear" and "capacity", their lines of text, and
// each mode's drift marked on the force-displacement panel. Figures in
// T and cm, shown in the units asked for.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "charts/svg_chart.h"
#include "curve/curve.h"
#include "figures/capacity.h"
#include "section/units.h"

namespace mphi {

// {method, ke, rho_b, rho_h, rho_s, fl, fcc, ecu}: stresses in MPa.
nlohmann::ordered_json confinementJson(const MaterialConstants& m, const TieRatios& ties);
// {d, alpha, Vn0, Vp, ratio, class}, or null without a length or a peak.
nlohmann::ordered_json shearJson(const DriftCapacity& c, const Units& units);
// {drift, governing, flexure, bar_buckling, shear, note}, or null without
// a length; a drift that does not exist is null, with the note saying why.
nlohmann::ordered_json capacityJson(const DriftCapacity& c, const Units& units);

// The shear strength and the capacity table; `flexureAt` says where the
// flexural drift is read ("damage control"). Empty without a length.
std::string capacityText(const DriftCapacity& c, const char* flexureAt, const Units& units);

// A limit state's drift, as the P-delta check names it.
struct StateDrift {
  const char* name;  // "damage control"
  double drift;      // delta / L
};
// The limit states that lie beyond the P-delta stability drift, where
// there is one: the column cannot carry its load there.
std::vector<std::string> beyondStability(const std::optional<double>& stability,
                                         const std::vector<StateDrift>& states);
// "damage control (7.374 %), ultimate (7.374 %) lie beyond the P-delta
// stability drift (5.660 %): the column cannot carry its load there", or
// empty where none does.
std::string stabilityWarning(const DriftCapacity& capacity, std::vector<StateDrift> states);

// "  P-delta stability drift 5.123 % (V = (M - P0 delta)/L falls to zero):
// beyond it, where the column cannot carry its load: ultimate", or that
// the force stays positive; the drift capacity is among the states.
std::string stabilityText(const DriftCapacity& capacity, std::vector<StateDrift> states);

// Each mode's drift on the force-displacement curve `x` (displacements)
// and `y` (forces) of a column `length` long, all in one set of units.
void markCapacity(Panel& panel, const DriftCapacity& c, const std::vector<double>& x,
                  const std::vector<double>& y, double length);

}  // namespace mphi
