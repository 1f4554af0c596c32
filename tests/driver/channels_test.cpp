#include "driver/channels.h"

#include <gtest/gtest.h>

namespace mphi {
namespace {

TEST(DiagnosticLineTest, FillsChannelAndFileName) {
  EXPECT_EQ(diagnosticLine(24, 5, "stdin"),
            "mphi: severe (24): end-of-file during read, unit 5, file stdin");
  EXPECT_EQ(diagnosticLine(47, 17, "/tmp/x/SECTION"),
            "mphi: severe (47): write to READONLY file, unit 17, file /tmp/x/SECTION");
  EXPECT_EQ(diagnosticLine(9, 17, "/d/SECTION"),
            "mphi: severe (9): permission to access file denied, unit 17, file /d/SECTION");
}

}  // namespace
}  // namespace mphi
