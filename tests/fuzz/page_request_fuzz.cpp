// The page's engine on arbitrary request text: whatever arrives, it
// answers one JSON object that says ok, or names the field and the reason.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>

#include "web/page_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string answer =
      mphi::computePage(std::string(reinterpret_cast<const char*>(data), size));
  const nlohmann::json j = nlohmann::json::parse(answer, nullptr, false);
  if (j.is_discarded() || !j.is_object() || !j.contains("ok") || !j["ok"].is_boolean()) {
    std::abort();
  }
  if (!j["ok"].get<bool>() && !(j["field"].is_string() && j["message"].is_string())) std::abort();
  return 0;
}
