// Time of a whole analysis, and of the field formatting that writes it.
#include <benchmark/benchmark.h>

#include "analysis/analysis.h"
#include "driver/section_dialogue.h"
#include "textio/real_field.h"

namespace {

void discard(void*, int, const char*, std::size_t) {}

mphi::SectionData section(float P0, float r) {
  mphi::SectionData s;
  s.dcm = 1.9f;
  s.clearb1cm = 5;
  s.dbcm = 1.3f;
  s.sccm = 10;
  s.fc = 0.21f;
  s.fy = 4.2f;
  s.fsy = 2.8f;
  s.Es = 2100;
  s.P0 = P0;
  s.b = 40;
  s.h = 35;
  s.r = r;
  mphi::RecordWriter quiet = mphi::makeRecordWriter(discard, nullptr);
  mphi::applyBarLayout(quiet, s);
  return s;
}

void BM_WorkedExample(benchmark::State& state) {
  const mphi::SectionData s = section(100, 0.02f);
  mphi::RecordWriter writer = mphi::makeRecordWriter(discard, nullptr);
  for (auto _ : state) mphi::analyseSection(s, writer);
}
BENCHMARK(BM_WorkedExample)->Unit(benchmark::kMillisecond);

void BM_LoadBeyondCapacity(benchmark::State& state) {
  const mphi::SectionData s = section(10000, 0.02f);
  mphi::RecordWriter writer = mphi::makeRecordWriter(discard, nullptr);
  for (auto _ : state) mphi::analyseSection(s, writer);
}
BENCHMARK(BM_LoadBeyondCapacity)->Unit(benchmark::kMillisecond);

void BM_SingleField(benchmark::State& state) {
  float x = 1.2345678e-3f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mphi::singleField(x));
    x *= 1.0001f;
  }
}
BENCHMARK(BM_SingleField);

}  // namespace
