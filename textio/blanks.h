// Blanks and tabs around a cell or a field, as every reader of the tools'
// input passes over them.
#pragma once

#include <string>

namespace mphi {

// `text` without the blanks and tabs at either end.
std::string trimmed(const std::string& text);
// Nothing but blanks and tabs, or empty.
bool isBlank(const std::string& text);

}  // namespace mphi
