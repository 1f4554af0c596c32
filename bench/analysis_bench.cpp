// Time of a whole analysis, and of the field formatting that writes it.
#include <benchmark/benchmark.h>

#include "analysis/specified_model.h"
#include "assessment/assessment_model.h"
#include "batch/batch_run.h"
#include "model/model_table.h"
#include "model/section_result.h"
#include "sweep/load_sweep.h"
#include "tests/support/random_section.h"
#include "tests/support/worked_section.h"
#include "textio/number_text.h"
#include "textio/real_field.h"

namespace {

void analyseSection(benchmark::State& state, const mphi::SectionData& s) {
  for (auto _ : state) benchmark::DoNotOptimize(mphi::specifiedCurve(s));
}

void analyse(benchmark::State& state, float P0) {
  analyseSection(state, mphi::workedSection(P0));
}

// 153 recorded steps.
void BM_WorkedExample(benchmark::State& state) {
  analyse(state, 100);
}
BENCHMARK(BM_WorkedExample)->Unit(benchmark::kMillisecond);

// The curve as SECTION holds it with mphi-report's figures: what
// mphi.Section.curve works out natively, the measure of the Python
// module's own cost.
void BM_WorkedAnalysis(benchmark::State& state) {
  const mphi::SectionData s = mphi::workedSection(100);
  for (auto _ : state) benchmark::DoNotOptimize(mphi::analyse(s, {}));
}
BENCHMARK(BM_WorkedAnalysis)->Unit(benchmark::kMillisecond);

// Twenty abandoned steps with the strip count growing by half each time.
void BM_LoadBeyondCapacity(benchmark::State& state) {
  analyse(state, 10000);
}
BENCHMARK(BM_LoadBeyondCapacity)->Unit(benchmark::kMillisecond);

// The slowest curve known: no concrete strength to speak of and no ties,
// so the tolerance is nil and all 499 steps search until the depth stops
// moving, then run out of trials.
void BM_EveryStepOutOfTrials(benchmark::State& state) {
  mphi::SectionData s = mphi::workedSection(0);
  s.fc = 1e-30f;
  s.dbcm = 0;
  s.fsy = 0;
  analyseSection(state, s);
}
BENCHMARK(BM_EveryStepOutOfTrials)->Unit(benchmark::kMillisecond);

// The assessment model's whole curve of the worked example with its key
// points, its limit states and its drift capacity as a 200 cm cantilever
// (limit: 3 ms, bench/limits.py).
void BM_AssessmentCurveWithCapacity(benchmark::State& state) {
  const mphi::SectionData s = mphi::workedSection();
  mphi::Analysis a;
  a.model = mphi::findModel("assessment")->model;
  a.length = 200;
  for (auto _ : state) benchmark::DoNotOptimize(mphi::analyse(s, a));
}
BENCHMARK(BM_AssessmentCurveWithCapacity)->Unit(benchmark::kMillisecond);

// The same for the circular bridge column as a 300 cm cantilever, its
// concrete integrated round the circle (limit: 3 ms).
void BM_CircularCurveWithCapacity(benchmark::State& state) {
  const mphi::SectionData s = mphi::bridgeSection();
  const mphi::Analysis a = mphi::bridgeColumn();
  for (auto _ : state) benchmark::DoNotOptimize(mphi::analyse(s, a));
}
BENCHMARK(BM_CircularCurveWithCapacity)->Unit(benchmark::kMillisecond);

// The worked section's default sweep: 21 loads, each with its figures, on 1
// and on 2 threads (wall time); the assessment model's on 2 (target: 40 ms).
void sweep(benchmark::State& state, mphi::Model model) {
  const mphi::SectionData s = mphi::workedSection();
  const std::vector<float> loads = mphi::defaultLoads(s, 21);
  mphi::Analysis analysis;
  analysis.model = model;
  const int jobs = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(mphi::sweepLoads(s, loads, analysis, jobs, {}));
}
void BM_Sweep21Loads(benchmark::State& state) {
  sweep(state, mphi::Model::Specified);
}
BENCHMARK(BM_Sweep21Loads)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("jobs")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
void BM_AssessmentSweep21Loads(benchmark::State& state) {
  sweep(state, mphi::Model::Assessment);
}
BENCHMARK(BM_AssessmentSweep21Loads)
    ->Arg(2)
    ->ArgName("jobs")
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A building's worth of columns: 1000 random but realistic rows through
// mphi-batch's run on 2 threads (wall time).
void BM_Batch1000Rows(benchmark::State& state) {
  std::vector<std::vector<std::string>> rows;
  mphi::Uniform u{1000};
  for (int i = 0; i < 1000; ++i) {
    const mphi::SectionData s = mphi::randomSection(u);
    std::vector<std::string> row;
    for (float v :
         {s.b, s.h, s.dcm, s.clearb1cm, s.dbcm, s.sccm, s.fc, s.fy, s.fsy, s.Es, s.P0, s.r})
      row.push_back(mphi::floatText(v));
    rows.push_back(row);
  }
  const mphi::SectionTable table = mphi::sectionTableOf(mphi::requiredColumns(), rows, false);
  mphi::BatchRequest request;
  request.jobs = 2;
  if (!table.error.empty() || mphi::runBatch(table, request).refused > 0) {
    state.SkipWithError("the benchmark's rows are refused");
  }
  for (auto _ : state) benchmark::DoNotOptimize(mphi::runBatch(table, request));
}
BENCHMARK(BM_Batch1000Rows)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_SingleField(benchmark::State& state) {
  float x = 1.2345678e-3f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(mphi::singleField(x));
    x *= 1.0001f;
  }
}
BENCHMARK(BM_SingleField);

}  // namespace
