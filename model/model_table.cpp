#include "model/model_table.h"

#include "charts/svg_chart.h"

namespace mphi {

const std::vector<ModelEntry>& modelTable() {
  static const std::vector<ModelEntry> table = {specifiedModelEntry(), assessmentModelEntry()};
  return table;
}

const ModelEntry& modelEntry(Model model) {
  for (const ModelEntry& m : modelTable()) {
    if (m.model == model) return m;
  }
  return modelTable().front();
}

const ModelEntry* findModel(const std::string& name) {
  for (const ModelEntry& m : modelTable()) {
    if (name == m.name) return &m;
  }
  return nullptr;
}

const ModelEntry& sectionModel() {
  for (const ModelEntry& m : modelTable()) {
    if (m.writesSection) return m;
  }
  return modelTable().front();
}

std::vector<std::string> modelNames() {
  std::vector<std::string> names;
  for (const ModelEntry& m : modelTable()) names.push_back(m.name);
  return names;
}

std::string modelNameList(const char* lastJoin) {
  const std::vector<std::string> names = modelNames();
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? lastJoin : ", ";
    list += names[i];
  }
  return list;
}

std::string barModelWords() {
  std::string words;
  for (const ModelEntry& m : modelTable()) {
    if (m.takesBars) words += (words.empty() ? "" : ", ") + std::string(m.words);
  }
  return words;
}

namespace {

const DriftCapacity& capacityOf(const SectionResult& r) {
  return modelEntry(r.analysis.model).capacity(r);
}

ResultCell drift(const std::optional<double>& d) {
  return {"", d.has_value(), d.value_or(0), false};
}

ResultCell strength(const SectionResult& r, double ShearStrength::*figure) {
  const std::optional<ShearStrength>& v = capacityOf(r).strength;
  return {"", v.has_value(), v ? *v.*figure : 0, false};
}

}  // namespace

std::vector<ResultColumn> capacityColumns() {
  return {
      {"drift_cap", std::nullopt,
       [](const SectionResult& r) { return drift(capacityOf(r).drift); }},
      {"mode", std::nullopt,
       [](const SectionResult& r) {
         const DriftCapacity& c = capacityOf(r);
         return wordCell(c.drift ? failureModeName(c.governing) : "");
       }},
      {"drift_flexure", std::nullopt,
       [](const SectionResult& r) { return drift(capacityOf(r).flexure); }},
      {"drift_buckling", std::nullopt,
       [](const SectionResult& r) { return drift(capacityOf(r).barBuckling); }},
      {"drift_shear", std::nullopt,
       [](const SectionResult& r) { return drift(capacityOf(r).shear); }},
      {"Vn0", Quantity::Force,
       [](const SectionResult& r) { return strength(r, &ShearStrength::Vn0); }},
      {"Vp_Vn0", std::nullopt,
       [](const SectionResult& r) { return strength(r, &ShearStrength::ratio); }},
      {"shear_class", std::nullopt,
       [](const SectionResult& r) {
         const std::optional<ShearStrength>& v = capacityOf(r).strength;
         return wordCell(v ? shearClassName(v->shearClass) : "");
       }},
      {"drift_stability", std::nullopt,
       [](const SectionResult& r) { return drift(capacityOf(r).stability); }},
  };
}

std::vector<FigureRow> capacityRows(const DriftCapacity& c, const std::string& prefix,
                                    const Units& u) {
  if (!c.hasLength) return {};
  const std::string governs =
      c.drift ? std::string(", by ") + failureModeName(c.governing) : std::string(": none");
  std::vector<FigureRow> rows = {
      {"Drift capacity" + governs, "drift (%)", prefix + "cap-drift", "/capacity/drift", 3, 100},
      {"", "flexure (%)", prefix + "cap-flexure", "/capacity/flexure", 3, 100},
      {"", "bar buckling (%)", prefix + "cap-buckling", "/capacity/bar_buckling", 3, 100},
      {"", "shear failure (%)", prefix + "cap-shear", "/capacity/shear", 3, 100},
      {"", "P-" MPHI_DELTA " stability (%)", prefix + "stability", "/drift/stability_drift", 3,
       100}};
  if (c.strength) {
    rows.push_back({"Shear strength", "Vn0 (" + u.picture(Quantity::Force) + ")", prefix + "vn0",
                    "/shear/Vn0", 4});
    rows.push_back({"", std::string("Vp/Vn0, ") + shearClassName(c.strength->shearClass),
                    prefix + "vp-vn0", "/shear/ratio", 3});
  }
  return rows;
}

ResultCell wordCell(const std::string& text) {
  return {text, !text.empty(), 0, false};
}

}  // namespace mphi
