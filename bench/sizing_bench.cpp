// The duct tab's sizing run as the user starts it: the rectangular series
// computed and shown in the result grid, in the real window (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/mainwindow.h"
#include "bench/offscreen_main.h"
#include "tests/kit/recording_platform.h"

namespace {

// A rectangular duct with one side given and the other running in 1 mm steps
// up to ten times the side: about side x 10 rows.
void SizingRun(benchmark::State& state, const char* side) {
  RecordingPlatform platform;
  TForm1 form(platform);
  form.RektRadioButton->SetChecked(true);
  form.Flow->SetText("100");
  form.Sida->SetText(side);
  form.Steg->SetText("1");
  form.SpinEdit1->setValue(10);
  for (auto _ : state) form.SpeedButton1Click();
  state.counters["rows"] = form.StringGrid1->RowCount() - 1;
  if (!platform.TakeMessages().isEmpty()) state.SkipWithError("the run was refused");
}
BENCHMARK_CAPTURE(SizingRun, rows_about_1_000, "105")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SizingRun, rows_50_000, "5051")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
