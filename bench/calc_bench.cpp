#include <benchmark/benchmark.h>

#include "calc/duct.h"
#include "calc/duct_search.h"
#include "calc/numtext.h"
#include "calc/pipe.h"
#include "calc/pipe_search.h"

namespace {

void BM_RvaerdeCircularTurbulent(benchmark::State& state) {
  const calc::NumberFormat fmt;
  const calc::DuctAir air{"20", calc::AirFlowUnit::LitresPerSecond, true};
  for (auto _ : state) benchmark::DoNotOptimize(calc::Rvaerde("200", 100.0f, 0.025f, 0.0f, 0, air, fmt));
}
BENCHMARK(BM_RvaerdeCircularTurbulent);

void BM_RvaerdeRectangularInsulated(benchmark::State& state) {
  const calc::NumberFormat fmt;
  const calc::DuctAir air{"20", calc::AirFlowUnit::LitresPerSecond, false};
  for (auto _ : state) benchmark::DoNotOptimize(calc::Rvaerde("400*200", 300.0f, 0.9f, 0.0f, 25, air, fmt));
}
BENCHMARK(BM_RvaerdeRectangularInsulated);

void BM_RvaerdeLaminar(benchmark::State& state) {
  const calc::NumberFormat fmt;
  const calc::DuctAir air{"20", calc::AirFlowUnit::LitresPerSecond, true};
  for (auto _ : state) benchmark::DoNotOptimize(calc::Rvaerde("100", 2.0f, 0.025f, 0.0f, 0, air, fmt));
}
BENCHMARK(BM_RvaerdeLaminar);

// One largest-flow search of the duct tab: `dim` under `limit` Pa/m.
void SearchDuct(benchmark::State& state, const char* dim, double limit) {
  const calc::NumberFormat fmt;
  const calc::DuctAir air{"20", calc::AirFlowUnit::LitresPerSecond, true};
  const auto evaluate = [&](float q) { return calc::Rvaerde(dim, q, 0.025f, 0.0f, 0, air, fmt); };
  const auto read = [limit] { return limit; };
  for (auto _ : state)
    benchmark::DoNotOptimize(
        calc::SearchFlowLimit(calc::SearchCriterion::PressureDrop, calc::FlowSearch{}, evaluate, read));
}

void BM_SearchDiameter200(benchmark::State& state) { SearchDuct(state, "200", 1.0); }
BENCHMARK(BM_SearchDiameter200);

void BM_SearchDiameter1250(benchmark::State& state) { SearchDuct(state, "1250", 1.0); }
BENCHMARK(BM_SearchDiameter1250);

// The bounded worst case: a limit no flow reaches runs to the trial bound.
void BM_SearchUnreachableLimit(benchmark::State& state) { SearchDuct(state, "200", 1e9); }
BENCHMARK(BM_SearchUnreachableLimit)->Unit(benchmark::kMillisecond);

}  // namespace

void BM_FormatFixedPressureDrop(benchmark::State& state) {
  const calc::NumberFormat fmt;
  double r = 0.123456;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::FormatFixed(r, 15, 2, fmt));
    r += 1e-9;
  }
}
BENCHMARK(BM_FormatFixedPressureDrop);

// Pipe friction and the largest water flow, on steel 20 mm with water at 20 C.
const calc::Pipe kSteel20{20.0, 0.045, 998.0, 0.9630};

void BM_RoerRVaerdeTurbulent(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(calc::RoerRVaerde(0.0002f, kSteel20));
}
BENCHMARK(BM_RoerRVaerdeTurbulent);

void BM_RoerRVaerdeTransition(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(calc::RoerRVaerde(0.00005f, kSteel20));
}
BENCHMARK(BM_RoerRVaerdeTransition);

void SearchWater(benchmark::State& state, calc::SearchCriterion criterion, float limit) {
  const auto evaluate = [](float q) { return calc::RoerRVaerde(q, kSteel20); };
  int trials = 0;
  for (auto _ : state) {
    const calc::WaterSearch found = calc::SearchWaterLimit(criterion, evaluate, [limit] { return limit; });
    trials = found.trials;
    benchmark::DoNotOptimize(found);
  }
  state.counters["trials"] = trials;
}
BENCHMARK_CAPTURE(SearchWater, pressure_drop_100, calc::SearchCriterion::PressureDrop, 100.0f)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchWater, velocity_1, calc::SearchCriterion::Velocity, 1.0f)->Unit(benchmark::kMicrosecond);
// The bounded worst cases: a limit inside the step at Re 3500 and one finer
// than the stored values resolve; both close the bracket to adjacent singles.
BENCHMARK_CAPTURE(SearchWater, limit_in_the_step_at_re_3500, calc::SearchCriterion::PressureDrop, 30.6f)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SearchWater, limit_near_a_million, calc::SearchCriterion::PressureDrop, 1000000.0f)
    ->Unit(benchmark::kMicrosecond);
