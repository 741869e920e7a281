#include <benchmark/benchmark.h>

#include "calc/duct.h"

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

}  // namespace
