#include "report/capacity_report.h"

#include "textio/formatted.h"

namespace mphi {
namespace {

using json = nlohmann::ordered_json;
using Q = Quantity;

json optional(const std::optional<double>& v) {
  return v ? json(*v) : json(nullptr);
}

// What a reader must know to read the capacity right, or empty.
std::string noteOf(const DriftCapacity& c) {
  if (!c.drift) return "no capacity: " + c.reason;
  std::string note = c.shearWords;
  if (c.governing == FailureMode::Shear && c.strength &&
      c.strength->shearClass == ShearClass::Flexure) {
    note += std::string(note.empty() ? "" : "; ") +
            "governed by the empirical shear-failure drift, the smallest bound here; by "
            "strength the column is in the flexure class";
  }
  return note;
}

}  // namespace

json confinementJson(const MaterialConstants& m, const TieRatios& ties) {
  // A circle's spiral or hoops have no directions.
  const bool circle = m.confinement == Confinement::Circular;
  return {{"method", confinementName(m.confinement)},
          {"ke", m.ke},
          {"rho_b", circle ? json(nullptr) : json(ties.rhoB)},
          {"rho_h", circle ? json(nullptr) : json(ties.rhoH)},
          {"rho_s", m.rhoS},
          {"fl", m.fl},
          {"fcc", m.fcc},
          {"ecu", m.ecu}};
}

json shearJson(const DriftCapacity& c, const Units& u) {
  if (!c.strength) return nullptr;
  const ShearStrength& v = *c.strength;
  return {
      {"d", u.in(Q::Length, v.d)},  {"alpha", v.alpha}, {"Vn0", u.in(Q::Force, v.Vn0)},
      {"Vp", u.in(Q::Force, v.Vp)}, {"ratio", v.ratio}, {"class", shearClassName(v.shearClass)}};
}

json capacityJson(const DriftCapacity& c, const Units&) {
  if (!c.hasLength) return nullptr;
  const std::string note = noteOf(c);
  return {{"drift", optional(c.drift)},
          {"governing", c.drift ? json(failureModeName(c.governing)) : json(nullptr)},
          {"flexure", optional(c.flexure)},
          {"bar_buckling", optional(c.barBuckling)},
          {"shear", optional(c.shear)},
          {"note", note.empty() ? json(nullptr) : json(note)}};
}

std::string capacityText(const DriftCapacity& c, const char* flexureAt, const Units& u) {
  if (!c.hasLength) return {};
  std::string t;
  if (c.strength) {
    const ShearStrength& v = *c.strength;
    const std::string force = u.text(Q::Force);
    t += formatted("Shear strength (ASCE 41-17): d = %.4g ", u.in(Q::Length, v.d)) +
         u.text(Q::Length) +
         formatted(", alpha = %.3g, Vn0 = %.4g ", v.alpha, u.in(Q::Force, v.Vn0)) + force +
         formatted("; Vp = Mu/L = %.4g ", u.in(Q::Force, v.Vp)) + force +
         formatted(", Vp/Vn0 = %.3f: %s\n", v.ratio, shearClassName(v.shearClass));
  }
  t += "Drift capacity (without P-delta, as laboratory forces are corrected for it): ";
  t += c.drift
           ? formatted("%.3f %%, governed by %s\n", 100 * *c.drift, failureModeName(c.governing))
           : "none\n";
  const std::string flexure = std::string("flexure (at ") + flexureAt + ")";
  const struct {
    std::string words;
    const std::optional<double>& drift;
  } modes[] = {{flexure, c.flexure},
               {"bar buckling (Berry and Eberhard)", c.barBuckling},
               {"shear failure (Elwood and Moehle)", c.shear}};
  for (const auto& m : modes) {
    t += formatted("  %-36s ", m.words.c_str()) +
         (m.drift ? formatted("%.3f %%\n", 100 * *m.drift) : "none\n");
  }
  const std::string note = noteOf(c);
  if (!note.empty()) t += "  note: " + note + "\n";
  return t;
}

std::vector<std::string> beyondStability(const std::optional<double>& stability,
                                         const std::vector<StateDrift>& states) {
  std::vector<std::string> beyond;
  for (const StateDrift& s : states) {
    if (stability && s.drift > *stability) beyond.push_back(s.name);
  }
  return beyond;
}

std::string stabilityWarning(const DriftCapacity& c, std::vector<StateDrift> states) {
  if (c.drift) states.push_back({"the drift capacity", *c.drift});
  std::string names;
  int count = 0;
  for (const StateDrift& s : states) {
    if (!c.stability || !(s.drift > *c.stability)) continue;
    names += (names.empty() ? "" : ", ") + formatted("%s (%.3f %%)", s.name, 100 * s.drift);
    ++count;
  }
  if (names.empty()) return {};
  return names + (count == 1 ? " lies" : " lie") +
         formatted(
             " beyond the P-delta stability drift (%.3f %%): the column cannot carry its "
             "load there",
             100 * *c.stability);
}

std::string stabilityText(const DriftCapacity& c, std::vector<StateDrift> states) {
  const std::optional<double>& stability = c.stability;
  if (c.drift) states.push_back({"the drift capacity", *c.drift});
  if (!stability) {
    return "  P-delta: the lateral force (M - P0 delta)/L stays positive to the end of the "
           "curve\n";
  }
  std::string t = formatted(
      "  P-delta stability drift %.3f %% (the lateral force (M - P0 delta)/L falls to zero)",
      100 * *stability);
  const std::vector<std::string> beyond = beyondStability(stability, states);
  if (beyond.empty()) return t + ": every limit state lies before it\n";
  std::string names;
  for (const std::string& b : beyond) names += (names.empty() ? "" : ", ") + b;
  return t + ": beyond it, where the column cannot carry its load: " + names + "\n";
}

void markCapacity(Panel& p, const DriftCapacity& c, const std::vector<double>& x,
                  const std::vector<double>& y, double length) {
  const struct {
    FailureMode mode;
    const char* words;
    const std::optional<double>& drift;
    const char* colour;
  } modes[] = {{FailureMode::Flexure, "flexure", c.flexure, "#1e8449"},
               {FailureMode::BarBuckling, "bar buckling", c.barBuckling, "#8e44ad"},
               {FailureMode::Shear, "shear failure", c.shear, "#c0392b"}};
  for (const auto& m : modes) {
    if (!m.drift) continue;
    const double delta = *m.drift * length;
    std::string words = formatted("%s drift %.2f %%", m.words, 100 * *m.drift);
    if (c.drift && c.governing == m.mode) words += " (governs)";
    // The force where the curve first reaches that displacement.
    Shape shape = Shape::None;
    for (std::size_t i = 1; i < x.size() && shape == Shape::None; ++i) {
      if (!(x[i] >= delta && x[i - 1] <= delta) || x[i] == x[i - 1]) continue;
      const double V = y[i - 1] + (y[i] - y[i - 1]) * (delta - x[i - 1]) / (x[i] - x[i - 1]);
      p.markers.push_back({delta, V, Shape::Cross, m.colour, ""});
      shape = Shape::Cross;
    }
    p.legend.push_back(
        {words + (shape == Shape::None ? " (beyond the curve)" : ""), m.colour, false, "", shape});
  }
}

}  // namespace mphi
