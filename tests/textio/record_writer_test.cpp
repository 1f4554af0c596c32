#include "textio/record_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mphi {
namespace {

struct Captured {
  std::vector<std::string> lines;
  std::vector<int> channels;
};

void capture(void* context, int channel, const char* line, std::size_t length) {
  auto* c = static_cast<Captured*>(context);
  c->lines.emplace_back(line, length);
  c->channels.push_back(channel);
}

std::vector<std::size_t> lengths(const Captured& c) {
  std::vector<std::size_t> n;
  for (const std::string& line : c.lines) n.push_back(line.size());
  return n;
}

class RecordWriterTest : public testing::Test {
 protected:
  Captured out;
  RecordWriter w = makeRecordWriter(capture, &out);
};

TEST_F(RecordWriterTest, TwelveRealsMakeLinesOfFiveFiveAndTwoFields) {
  beginRecord(w, 17);
  for (float v : {40.f, 35.f, 5.f, 5.f, 10.f, 15.f, 1.9f, 2.f, 3.f, 4.f, 2.f, 5.f}) putReal(w, v);
  endRecord(w);
  EXPECT_EQ(lengths(out), (std::vector<std::size_t>{75, 75, 30}));
  EXPECT_EQ(out.lines[0],
            "   40.00000       35.00000       5.000000       5.000000       10.00000    ");
  EXPECT_EQ(out.channels, (std::vector<int>{17, 17, 17}));
}

TEST_F(RecordWriterTest, MixedRecordsHaveTheirLengths) {
  beginRecord(w, 6);
  putText(w, "fcc,fc1");
  putDouble(w, 30.6);
  putReal(w, 20.59f);
  endRecord(w);
  beginRecord(w, 17);
  putText(w, std::string(11, ' '));
  putReal(w, 2040.f);
  putText(w, "  ");
  putReal(w, 1.605e-4f);
  endRecord(w);
  beginRecord(w, 17);
  for (int i = 0; i < 4; ++i) putReal(w, 0.0f);
  endRecord(w);
  EXPECT_EQ(lengths(out), (std::vector<std::size_t>{47, 44, 60}));
  EXPECT_EQ(out.lines[0].substr(0, 8), " fcc,fc1");
  EXPECT_EQ(out.lines[2], "  0.0000000E+00  0.0000000E+00  0.0000000E+00  0.0000000E+00");
}

struct TextCase {
  const char* name;
  std::vector<std::size_t> items;  // text lengths of one record
  std::vector<std::size_t> lines;  // resulting line lengths
};

// Lists and failures show the case by its name.
void PrintTo(const TextCase& c, std::ostream* os) {
  *os << c.name;
}

class TextBreakTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextBreakTest, BreaksTextsAtTheLineLimit) {
  Captured out;
  RecordWriter w = makeRecordWriter(capture, &out);
  beginRecord(w, 6);
  char letter = 'a';
  std::string all;
  for (std::size_t n : GetParam().items) {
    const std::string text(n, letter++);
    all += text;
    putText(w, text);
  }
  endRecord(w);
  EXPECT_EQ(lengths(out), GetParam().lines);
  // Every line opens with the inserted blank; the texts come through whole.
  std::string joined;
  for (const std::string& line : out.lines) {
    ASSERT_EQ(line[0], ' ');
    joined += line.substr(1);
  }
  EXPECT_EQ(joined, all);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextBreakTest,
                         testing::Values(TextCase{"Short", {13}, {14}},
                                         TextCase{"FillsLine", {79}, {80}},
                                         TextCase{"EightyBytes", {80}, {80, 2}},
                                         TextCase{"TwoHundredBytes", {200}, {80, 80, 43}},
                                         TextCase{"ExactlyFillsRest", {40, 39}, {80}},
                                         TextCase{"MovesWhole", {40, 40}, {41, 41}},
                                         TextCase{"LongAfterShort", {10, 100}, {11, 80, 22}},
                                         TextCase{"ExamplePrompt",
                                                  {61, 6,  6,  37, 26, 26, 26, 26, 16, 34, 18,
                                                   18, 18, 18, 35, 15, 12, 14, 14, 15, 15, 9},
                                                  {74, 64, 79, 69, 55, 77, 54}}),
                         [](const testing::TestParamInfo<TextCase>& info) {
                           return info.param.name;
                         });

TEST_F(RecordWriterTest, RealAfterTextStartsNewLineOnlyWhenItDoesNotFit) {
  beginRecord(w, 6);
  putText(w, std::string(64, 'x'));  // 65 on the line, 15 left: the field fits
  putReal(w, 1.0f);
  putReal(w, 2.0f);  // no room: a new line with no inserted blank
  endRecord(w);
  EXPECT_EQ(lengths(out), (std::vector<std::size_t>{80, 15}));
  EXPECT_EQ(out.lines[1], "   2.000000    ");
}

TEST_F(RecordWriterTest, HighBytesPassUnchanged) {
  writeTextRecord(w, 6,
                  "\xB9\x46\xA8\xEC"
                  "0.8Mu");
  EXPECT_EQ(out.lines[0],
            " \xB9\x46\xA8\xEC"
            "0.8Mu");
}

}  // namespace
}  // namespace mphi
