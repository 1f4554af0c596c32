// Shortest decimal texts that read back as exactly the value: for tables
// and JSON that scripts read, where every digit must mean something.
#pragma once

#include <string>

namespace mphi {

// At least 6 significant digits for a float, 15 for a double, and no more
// than the value needs to come back unchanged through strtof or strtod.
std::string floatText(float value);
std::string doubleText(double value);

}  // namespace mphi
