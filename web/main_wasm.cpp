// The page's entry into the analysis, compiled to WebAssembly.
#include <emscripten/emscripten.h>

#include <string>

#include "web/page_engine.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* mphi_compute(const char* request) {
  // One call at a time in the page's worker: the answer lives until the next.
  static std::string answer;
  answer = mphi::computePage(request);
  return answer.c_str();
}
