#include "frontend/command_line.h"

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

bool parseLoadList(const std::string& text, std::vector<float>& loads, std::string& bad) {
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ',')) {
    char* end = nullptr;
    const float value = std::strtof(item.c_str(), &end);
    if (item.empty() || *end != '\0' || !std::isfinite(value)) {
      bad = item;
      return false;
    }
    loads.push_back(value);
  }
  return !loads.empty();
}

void addVersion(CLI::App& app, const std::string& tool) {
  app.set_version_flag("--version", tool + " " + kToolsVersion);
}

int parseCommandLine(CLI::App& app, int argc, char** argv, const std::string& tool) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& error) {
    std::cerr << tool << ": " << error.what() << " (see --help)\n";
    return kExitUsage;
  }
  return -1;
}

}  // namespace mphi
