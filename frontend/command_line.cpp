#include "frontend/command_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <sstream>

#include "frontend/tool_status.h"
#include "model/analysis_request.h"
#include "model/model_table.h"

namespace mphi {

void addAnalysisOptions(CLI::App& app, AnalysisOptions& o) {
  std::string models;
  for (const ModelEntry& m : modelTable()) {
    models += std::string(models.empty() ? "" : "; ") + m.name +
              (&m == &modelTable().front() ? " (default)" : "") + ": " + m.help;
  }
  app.add_option("--model", o.model, models)->check(CLI::IsMember(modelNames()));
  const std::string bars = barModelWords();
  auto* face = app.add_option("--bars-face", o.face,
                              bars +
                                  ": bars on each face across the bending direction, corners "
                                  "included (at least 2)")
                   ->type_name("N");
  app.add_option("--bars-side", o.side, bars + ": bars on each side face between the corners")
      ->type_name("M")
      ->needs(face);
  app.add_option("--legs-b", o.legsB,
                 "tie legs running parallel to b (default 2, one perimeter hoop; the mean where "
                 "crossties alternate)")
      ->type_name("N");
  app.add_option("--legs-h", o.legsH,
                 "tie legs running parallel to h, the bending direction, which carry the shear "
                 "(default 2)")
      ->type_name("N");
  app.add_option("--length", o.length,
                 "column length L for the drift of a cantilever (cm; m with --units t-m or si)")
      ->type_name("L");
  app.add_option("--shape", o.shape,
                 "rectangular (default: b by h) or circular (a diameter D, given as both b and h "
                 "of the 22 values; the assessment model)")
      ->type_name("SHAPE");
  app.add_option("--bars", o.circleBars,
                 "a circular section's main bars, evenly round their circle (at least 4)")
      ->type_name("N");
  app.add_option("--transverse", o.transverse,
                 "what holds a circular core: spiral (default) or hoops, of dbcm at sccm")
      ->type_name("KIND");
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

std::string lengthError(const SectionData& s, const Analysis& a, const AnalysisOptions& o) {
  const Units u = unitsOf(o);
  const std::string unit = u.text(Quantity::Length);
  const std::optional<std::string> why = lengthOutOfRange(s, a, unit, u.from(Quantity::Length, 1));
  if (!why) return {};
  return "--length: " + *why + "; --length is in " + unit + " with --units " + o.units;
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

namespace {

// The option that gives a part of the request.
std::string optionOf(const std::string& field) {
  if (field == "L") return "--length";
  if (field == "n_bars") return "--bars";
  std::string option = "--" + field;
  std::replace(option.begin(), option.end(), '_', '-');
  return option;
}

}  // namespace

bool analysisOf(const AnalysisOptions& o, Analysis& a, std::string& error) {
  const RequestFormat format{unitsOf(o)};
  if (const std::optional<RequestFault> fault =
          readRequest({o.model, o.face, o.side, o.length, o.legsB, o.legsH, o.shape, o.circleBars,
                       o.transverse},
                      format, a)) {
    error = optionOf(fault->field) + ": " + requestFaultText(*fault);
    return false;
  }
  if (const std::optional<Fault> fault = checkRequest(a)) {
    const std::string value = fault->value.empty() ? "" : " " + fault->value;
    error = optionOf(fault->field) + value + ": " + fault->reason;
    return false;
  }
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
