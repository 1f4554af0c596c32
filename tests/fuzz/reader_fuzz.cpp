// The number reader on arbitrary bytes, cut into lines as from standard
// input: it fills the 22 values or raises one of its diagnostics.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "textio/line_source.h"
#include "textio/number_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mphi;
  StringBytes bytes{std::string(reinterpret_cast<const char*>(data), size), 0};
  NumberReader reader{makeLineSource(readStringBytes, &bytes)};
  float values[22] = {};
  float* targets[22];
  for (int i = 0; i < 22; ++i) targets[i] = &values[i];
  const int diagnostic = readReals(reader, targets, 22);
  switch (diagnostic) {
    case 0:
    case kEndOfFileDuringRead:
    case kSyntaxError:
    case kConversionError:
      return 0;
    default:
      std::abort();  // no other diagnostic can come from bytes in memory
  }
}
