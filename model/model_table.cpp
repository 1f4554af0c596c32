#include "model/model_table.h"

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

}  // namespace mphi
