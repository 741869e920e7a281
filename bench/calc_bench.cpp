#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <random>
#include <vector>

#include "calc/co2.h"
#include "calc/duct.h"
#include "calc/duct_run.h"
#include "calc/flow_search.h"
#include "calc/numtext.h"
#include "calc/pipe.h"
#include "calc/pipe_series.h"

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
    benchmark::DoNotOptimize(calc::SearchFlowLimit(calc::SearchCriterion::PressureDrop, calc::FlowSearch{}, evaluate,
                                                   read, calc::kDuctSearchRules));
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
    const calc::FlowSearch found = calc::SearchFlowLimit(
        criterion, calc::SearchFrom(3.0f), evaluate, [limit] { return limit; }, calc::PipeSearchRules(criterion));
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

// The CO2 equilibrium: the worked example, a large slow room (2.5 million
// seconds to walk), and a sweep over rooms of every size and airing that
// reports the slowest single answer.
void CO2Equilibrium(benchmark::State& state, float volume, float outdoorLs, float generation) {
  const calc::Room room{outdoorLs / 1000.0f, volume, 350.0f, generation};
  for (auto _ : state) benchmark::DoNotOptimize(calc::CO2Ber(350.0f, room));
  state.counters["seconds"] = static_cast<double>(calc::CO2Ber(350.0f, room).t);
}
BENCHMARK_CAPTURE(CO2Equilibrium, room_30_m3_10_ls, 30.0f, 10.0f, 3.0f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CO2Equilibrium, room_30_m3_1_ls, 30.0f, 1.0f, 3.0f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CO2Equilibrium, room_1000_m3_1_ls, 1000.0f, 1.0f, 3.0f)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CO2Equilibrium, hall_1e6_m3_1_ls_many_people, 1.0e6f, 1.0f, 3000.0f)->Unit(benchmark::kMicrosecond);

void CO2EquilibriumSweep(benchmark::State& state) {
  std::vector<calc::Room> rooms;
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 500; ++i) {
    calc::Room room;
    room.v = static_cast<float>(std::floor(std::pow(10.0, unit(random) * 7.0)) + 1.0);  // 1 m3 to 10 million
    room.q = static_cast<float>(std::pow(10.0, unit(random) * 6.0 - 3.0) / 1000.0);     // 0.001 to 1000 l/s
    room.k1 = static_cast<float>(std::floor(unit(random) * 2000.0));
    room.f = static_cast<float>(calc::CO2Alstring(static_cast<std::int64_t>(unit(random) * 100.0),
                                                  static_cast<std::int64_t>(unit(random) * 1000.0)));
    rooms.push_back(room);
  }
  double slowest = 0.0;
  for (auto _ : state) {
    for (const calc::Room& room : rooms) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(calc::CO2Ber(room.k1, room));
      slowest = std::max(slowest,
                         std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
  }
  state.counters["slowest_us"] = slowest;
  state.counters["rooms"] = static_cast<double>(rooms.size());
}
BENCHMARK(CO2EquilibriumSweep)->Unit(benchmark::kMillisecond);

// The outdoor air a room needs: a classroom, and the worst case of a large
// hall, many persons and a long stay or the equilibrium, where each trial is
// a slow curve.
void LeastOutdoorAir(benchmark::State& state, float volume, float generation, std::int64_t target,
                     std::int64_t staySeconds) {
  const calc::OutdoorAirNeed need{calc::Room{0.0f, volume, 400.0f, generation}, target, staySeconds};
  for (auto _ : state) benchmark::DoNotOptimize(calc::LeastOutdoorAir(need));
  state.counters["tenths_ls"] = static_cast<double>(calc::LeastOutdoorAir(need));
}
BENCHMARK_CAPTURE(LeastOutdoorAir, classroom_180_m3_30_children, 180.0f, 90.0f, 1000, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LeastOutdoorAir, classroom_45_minute_lesson, 180.0f, 90.0f, 1000, 45 * 60)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LeastOutdoorAir, hall_1e6_m3_5000_persons_equilibrium, 1.0e6f, 15000.0f, 1000, 0)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LeastOutdoorAir, hall_1e6_m3_5000_persons_8_hours, 1.0e6f, 15000.0f, 1000, 8 * 3600)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(LeastOutdoorAir, hall_1e6_m3_5000_persons_close_target, 1.0e6f, 15000.0f, 401, 0)
    ->Unit(benchmark::kMicrosecond);

// A duct run of 500 sections summed again after one edit (a length): each
// section continues the one at half its number, a main duct branching again
// and again.
void DuctRunOf500Sections(benchmark::State& state) {
  std::vector<calc::RunSection> sections;
  for (int i = 1; i <= 500; ++i)
    sections.push_back(calc::RunSection{std::to_string(i), i == 1 ? "" : std::to_string(i / 2), 1.0 + i % 7,
                                        (i % 3) * 0.5, 2.0 + i % 4, 0.5 + (i % 5) * 0.25, 1.2});
  int edit = 0;
  for (auto _ : state) {
    sections[static_cast<std::size_t>(edit++ % 500)].length += 0.1;
    benchmark::DoNotOptimize(calc::SumRun(sections));
  }
}
BENCHMARK(DuctRunOf500Sections)->Unit(benchmark::kMicrosecond);

// A flow of 28 % ethanol at 0 °C sized over the 12 rows of black steel, each
// row the pipe tab's friction calculation for its inner diameter (target:
// under 1 ms).
void PipeSeriesOf12Rows(benchmark::State& state) {
  const calc::PipeSeries& steel = calc::AllPipeSeries()[0];
  const calc::Pipe brine{0.0, steel.roughness, 967.5, 6.710};
  float q = 0.5e-3f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::SizeOverSeries(q, steel, brine));
    q += 1e-9f;
  }
}
BENCHMARK(PipeSeriesOf12Rows)->Unit(benchmark::kMicrosecond);
