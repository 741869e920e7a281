// The calculation record as the user makes it: built from what the tab shows
// and written as a PDF file, in the real window (offscreen). The duct record
// with a series of about 1 000 rows, the CO2 record with its chart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "app/mainwindow.h"
#include "app/record.h"
#include "app/recording_platform.h"
#include "bench/offscreen_main.h"

namespace {

void WriteRecord(benchmark::State& state, TForm1& form, RecordingPlatform& platform) {
  QTemporaryDir dir;
  const QString path = dir.filePath("record.pdf");
  for (auto _ : state) {
    const CalcRecord record = form.ActiveRecord();
    if (!WriteRecordPdf(record, path)) state.SkipWithError("the record was not written");
  }
  if (!platform.TakeMessages().isEmpty()) state.SkipWithError("the calculation was refused");
}

void DuctRecordOf1000Rows(benchmark::State& state) {
  RecordingPlatform platform;
  TForm1 form(platform);
  form.RektRadioButton->SetChecked(true);
  form.Flow->SetText("100");
  form.Sida->SetText("105");
  form.Steg->SetText("1");
  form.SpinEdit1->setValue(10);
  form.MaxMeterPerSek->SetText("3");
  form.SpeedButton1Click();
  state.counters["rows"] = form.ActiveRecord().table.rows.size();
  WriteRecord(state, form, platform);
}
BENCHMARK(DuctRecordOf1000Rows)->Unit(benchmark::kMillisecond);

void CO2RecordWithChart(benchmark::State& state) {
  RecordingPlatform platform;
  TForm1 form(platform);
  // The activity table gets its rates from the interface texts.
  form.SvenskaTexter();
  form.PageControl1->SetActivePage(form.CO2TabSheet);
  form.UteLuft->SetText("10");
  form.AntalPers->SetText("1");
  form.CO2CalcButtonClick();
  state.counters["curves"] = form.COkurva->Strokes().size();
  WriteRecord(state, form, platform);
}
BENCHMARK(CO2RecordWithChart)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
