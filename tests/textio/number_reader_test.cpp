#include "textio/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace mphi {
namespace {

constexpr float kUnset = -7.0f;  // what a target holds before the statement

struct ReadOutcome {
  int diagnostic;
  std::vector<float> targets;
};

ReadOutcome readFrom(const std::string& input, std::size_t count) {
  StringBytes bytes{input, 0};
  NumberReader reader{makeLineSource(readStringBytes, &bytes)};
  std::vector<float> values(count, kUnset);
  std::vector<float*> targets;
  for (float& v : values) targets.push_back(&v);
  const int d = readReals(reader, targets.data(), count);
  return {d, values};
}

struct ValueCase {
  const char* input;
  std::vector<float> expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
  *os << testing::PrintToString(std::string(c.input));
}

class ReaderValuesTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ReaderValuesTest, FillsTargets) {
  const ValueCase& c = GetParam();
  const ReadOutcome got = readFrom(c.input, c.expected.size());
  ASSERT_EQ(got.diagnostic, 0) << c.input;
  for (std::size_t i = 0; i < c.expected.size(); ++i) {
    EXPECT_EQ(got.targets[i], c.expected[i]) << c.input << " target " << i;
  }
}

const float u = kUnset;

INSTANTIATE_TEST_SUITE_P(
    Grammar, ReaderValuesTest,
    testing::Values(ValueCase{"40 35\n", {40, 35}}, ValueCase{"40,35\n", {40, 35}},
                    ValueCase{"40 , 35\n", {40, 35}}, ValueCase{"40,\n35\n", {40, 35}},
                    ValueCase{"40\n,35\n", {40, 35}}, ValueCase{"\n  \n\t40\n\n35\n", {40, 35}},
                    ValueCase{"40,,35\n", {40, u, 35}}, ValueCase{",5\n", {u, 5}},
                    ValueCase{"1,\n,2\n", {1, u, 2}}, ValueCase{"3*2.5 1\n", {2.5f, 2.5f, 2.5f, 1}},
                    ValueCase{"3* 1\n", {u, u, u, 1}}, ValueCase{"2*\n1\n", {u, u, 1}},
                    ValueCase{"2*,1\n", {u, u, 1}}, ValueCase{"5*4\n", {4, 4}},
                    ValueCase{"1 2 / 9\n", {1, 2, u, u}}, ValueCase{"1 2/\n", {1, 2, u}},
                    ValueCase{"1 2*/\n", {1, u, u}},
                    ValueCase{"T .TRUE. TRUE f .false.\n", {-1, -1, -1, 0, 0}},
                    ValueCase{"4.20 4.2E0 4.2e+0 42E-1 42D-1 0.42+1 +4.2 42q-1\n",
                              {4.2f, 4.2f, 4.2f, 4.2f, 4.2f, 4.2f, 4.2f, 4.2f}},
                    ValueCase{"2.1e3 1.9 -.5 5. 1.5-3\n", {2100, 1.9f, -0.5f, 5, 0.0015f}},
                    // Straight to the nearest float, never through a double.
                    ValueCase{"8388608.5000000001\n", {8388609}},
                    ValueCase{"1e39 -1e39 1e-50\n", {INFINITY, -INFINITY, 0}},
                    ValueCase{"1\r\n2\r\n", {1, 2}},
                    ValueCase{"1 2 3 4 extra words\n", {1, 2, 3, 4}}));

TEST(NumberReaderTest, StopsReadingAfterTheLastValue) {
  const ReadOutcome got = readFrom("1 2\n3 4 5\nnot read\n", 4);
  EXPECT_EQ(got.diagnostic, 0);
  EXPECT_EQ(got.targets, (std::vector<float>{1, 2, 3, 4}));
}

TEST(NumberReaderTest, ReadsALineOfAnyLength) {
  std::string line(100000, ' ');
  line += "7 8\n";
  const ReadOutcome got = readFrom(line, 2);
  EXPECT_EQ(got.diagnostic, 0);
  EXPECT_EQ(got.targets, (std::vector<float>{7, 8}));
}

struct FailureCase {
  const char* input;
  int diagnostic;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << testing::PrintToString(std::string(c.input)) << " raises " << c.diagnostic;
}

class ReaderFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ReaderFailureTest, RaisesItsDiagnostic) {
  EXPECT_EQ(readFrom(GetParam().input, 3).diagnostic, GetParam().diagnostic) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ReaderFailureTest,
    testing::Values(
        FailureCase{"", kEndOfFileDuringRead}, FailureCase{"1 2\n", kEndOfFileDuringRead},
        FailureCase{"1 2\n3", kEndOfFileDuringRead},
        FailureCase{"1 2\n\x1a\n3\n", kEndOfFileDuringRead}, FailureCase{"1.2.3\n", kSyntaxError},
        FailureCase{"1E2E3\n", kSyntaxError}, FailureCase{"12a\n", kSyntaxError},
        FailureCase{")\n", kSyntaxError}, FailureCase{"(1,2)\n", kSyntaxError},
        FailureCase{"*5\n", kSyntaxError}, FailureCase{"0*5\n", kSyntaxError},
        FailureCase{"1.5*2\n", kSyntaxError}, FailureCase{"2*3*4\n", kSyntaxError},
        FailureCase{"-\n", kSyntaxError}, FailureCase{"E5\n", kSyntaxError},
        FailureCase{".\n", kSyntaxError}, FailureCase{"1-2-3\n", kSyntaxError},
        FailureCase{"1E\n", kSyntaxError}, FailureCase{"1 2 3\r4\n", kSyntaxError},
        FailureCase{"'12'\n", kConversionError}, FailureCase{"1 \"x\"\n", kConversionError},
        FailureCase{"2*'a'\n", kConversionError}));

TEST(NumberReaderTest, OverlongQuotedStringIsASyntaxError) {
  EXPECT_EQ(readFrom("'" + std::string(3000, 'x') + "'\n", 1).diagnostic, kSyntaxError);
}

long failingRead(void*, char*, std::size_t) {
  return -1;
}

TEST(NumberReaderTest, DeviceFailureIsAReadError) {
  NumberReader reader{makeLineSource(failingRead, nullptr)};
  float v = 0;
  float* targets[] = {&v};
  EXPECT_EQ(readReals(reader, targets, 1), kErrorDuringRead);
}

}  // namespace
}  // namespace mphi
