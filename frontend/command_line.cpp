#include "frontend/command_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "frontend/tool_status.h"

namespace mphi {

CLI::Validator positiveNumber() {
  return CLI::Validator(
      [](std::string& text) -> std::string {
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0' || !std::isfinite(value) || !(value > 0)) {
          return "\"" + text + "\" is not a positive number";
        }
        return {};
      },
      "POSITIVE");
}

void addAnalysisOptions(CLI::App& app, AnalysisOptions& o) {
  app.add_option("--model", o.model,
                 "spec (default): the specified model, as mphi; assessment: the assessment "
                 "model, for deformation capacity")
      ->check(CLI::IsMember({"spec", "assessment"}));
  o.barsFace = app.add_option("--bars-face", o.face,
                              "assessment model: bars on each face across the bending direction, "
                              "corners included (at least 2)")
                   ->type_name("N");
  o.barsSide = app.add_option("--bars-side", o.side,
                              "assessment model: bars on each side face between the corners")
                   ->type_name("M")
                   ->needs(o.barsFace);
  app.add_option("--length", o.length,
                 "column length L for the drift of a cantilever (cm; m with --units t-m or si)")
      ->type_name("L")
      ->check(positiveNumber());
  app.add_option("--units", o.units,
                 "units of what the tool prints and takes: t-cm (default: T, cm, T.cm, T/cm2), "
                 "t-m (T, m, T.m, T/m2) or si (kN, m, kN.m, MPa)")
      ->check(CLI::IsMember({"t-cm", "t-m", "si"}));
}

Units unitsOf(const AnalysisOptions& o) {
  Units u;
  unitsNamed(o.units, u);
  return u;
}

bool parseLoads(const std::string& text, const Units& units, std::vector<float>& loads,
                std::string& bad) {
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    char* end = nullptr;
    const double value = std::strtod(item.c_str(), &end);
    // In tons straight to the nearest float, as an input value; in another
    // unit the double converted.
    const float load = units.base() ? std::strtof(item.c_str(), nullptr) : loadOf(value, units);
    if (item.empty() || *end != '\0' || !std::isfinite(load)) {
      bad = item;
      return false;
    }
    loads.push_back(load);
  }
  return !loads.empty();
}

bool analysisOf(const AnalysisOptions& o, Analysis& a, std::string& error) {
  modelNamed(o.model, a.model);
  a.length = unitsOf(o).from(Quantity::Length, o.length);
  if (o.barsFace->count() == 0) return true;
  if (a.model != Model::Assessment) {
    error = "--bars-face: bar counts are for the assessment model (--model assessment)";
    return false;
  }
  const struct {
    const char* name;
    double value, least;
  } counts[] = {{"--bars-face", o.face, 2}, {"--bars-side", o.side, 0}};
  for (const auto& c : counts) {
    if (!(c.value >= c.least) || c.value != std::floor(c.value) || c.value > 1000) {
      error = std::string(c.name) + ": " + valueText(c.value) +
              " is not a whole number of bars from " + valueText(c.least) + " to 1000";
      return false;
    }
  }
  a.bars = BarCounts{o.face, o.side};
  return true;
}

void addVersion(CLI::App& app, const std::string& tool) {
  app.set_version_flag("--version", tool + " " + kVersion);
}

namespace {

std::size_t editDistance(const std::string& a, const std::string& b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
      diagonal = above;
    }
  }
  return row[b.size()];
}

// " (did you mean --length?)" for an option name not far from one of the
// tool's, or empty.
std::string suggestion(CLI::App& app, int argc, char** argv) {
  std::string best;
  std::size_t bestDistance = 3;  // at most two edits
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (word.rfind("--", 0) != 0) continue;
    word = word.substr(0, word.find('='));
    for (const CLI::Option* option : app.get_options()) {
      for (const std::string& name : option->get_lnames()) {
        const std::string known = "--" + name;
        if (known == word) continue;
        const std::size_t d = editDistance(word, known);
        if (d < bestDistance) best = known, bestDistance = d;
      }
    }
  }
  return best.empty() ? "" : " (did you mean " + best + "?)";
}

}  // namespace

int parseCommandLine(CLI::App& app, int argc, char** argv, const std::string& tool) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
    return 0;
  } catch (const CLI::ExtrasError& error) {
    const std::string guess = suggestion(app, argc, argv);
    std::cerr << tool << ": " << error.what() << (guess.empty() ? " (see --help)" : guess) << "\n";
    return kExitUsage;
  } catch (const CLI::ParseError& error) {
    std::cerr << tool << ": " << error.what() << " (see --help)\n";
    return kExitUsage;
  }
  return -1;
}

}  // namespace mphi
