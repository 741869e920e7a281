// The calculation record as the user makes it: built from what the tab shows
// and written as a PDF file, in the real window (offscreen). The duct record
// with a series of about 1 000 rows, the CO2 record with its chart; and a
// saved record opened again: read from its PDF, every input set, calculated
// and its figures compared with those saved.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <functional>

#include "app/duct_run_window.h"
#include "app/mainwindow.h"
#include "app/record.h"
#include "bench/offscreen_main.h"
#include "tests/kit/recording_platform.h"

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

// A rectangular series from 105*10 in steps of 1 mm up to a side ratio of 10:
// about 1 000 rows, sized for 100 l/s.
void SizeSeriesOf1000Rows(TForm1& form) {
  form.RektRadioButton->SetChecked(true);
  form.Flow->SetText("100");
  form.Sida->SetText("105");
  form.Steg->SetText("1");
  form.SpinEdit1->setValue(10);
  form.MaxMeterPerSek->SetText("3");
  form.SpeedButton1Click();
}

void DuctRecordOf1000Rows(benchmark::State& state) {
  RecordingPlatform platform;
  TForm1 form(platform);
  SizeSeriesOf1000Rows(form);
  state.counters["rows"] = form.ActiveRecord().table.rows.size();
  WriteRecord(state, form, platform);
}
BENCHMARK(DuctRecordOf1000Rows)->Unit(benchmark::kMillisecond);

// A duct run of 500 sections, each continuing the one before, with a length
// and a loss coefficient; one length typed again, key by key as the grid
// takes it, works out the section and every total.
void DuctRunOf500SectionsAfterOneEdit(benchmark::State& state) {
  RecordingPlatform platform;
  TForm1 form(platform);
  TStracka* run = form.RunWindow();
  for (int k = 0; k < 500; ++k) {
    RunRow row;
    row.flow = "100";
    row.flowValue = 100.0f;
    row.dimension = k % 2 ? "250" : "400*200";
    row.duct.circular = k % 2;
    row.duct.roughness = 0.025f;
    row.duct.joint = 0.019f;
    row.duct.temperature = "20";
    run->Add(row);
    run->StrackaGrid->OnSetEditText(TStracka::kLength, k + 1, "10");
    run->StrackaGrid->OnSetEditText(TStracka::kZeta, k + 1, "0.5");
  }
  int length = 0;
  for (auto _ : state) run->StrackaGrid->OnSetEditText(TStracka::kLength, 250, QString::number(++length % 50));
  if (run->StrackaSumma->text().isEmpty() || run->Count() != 500) state.SkipWithError("the run was not worked out");
}
BENCHMARK(DuctRunOf500SectionsAfterOneEdit)->Unit(benchmark::kMillisecond);

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

// Opens the record saved at `path` again and again, into a new window each
// time a user would have one ("next month").
void OpenRecord(benchmark::State& state, const QString& path) {
  RecordingPlatform platform;
  TForm1 form(platform);
  form.SvenskaTexter();
  for (auto _ : state) form.OpenRecord(path);
  const QStringList messages = platform.TakeMessages();
  if (!messages.isEmpty()) state.SkipWithError(qPrintable(messages.front()));
}

void SaveThenOpen(benchmark::State& state, const std::function<void(TForm1&)>& calculate) {
  QTemporaryDir dir;
  const QString path = dir.filePath("record.pdf");
  {
    RecordingPlatform platform;
    TForm1 form(platform);
    form.SvenskaTexter();
    calculate(form);
    if (!WriteRecordPdf(form.ActiveRecord(), path)) state.SkipWithError("the record was not written");
  }
  OpenRecord(state, path);
}

void OpenDuctRecordOf1000Rows(benchmark::State& state) { SaveThenOpen(state, SizeSeriesOf1000Rows); }
BENCHMARK(OpenDuctRecordOf1000Rows)->Unit(benchmark::kMillisecond);

void OpenPipeSearchRecord(benchmark::State& state) {
  SaveThenOpen(state, [](TForm1& form) {
    form.PageControl1->SetActivePage(form.Rorber);
    form.RTemp->SetText("20");
    form.RYtrahet->SetText("0.045");
    form.RInvDiam->SetText("20");
    form.CheckBox2->SetChecked(true);
    form.RvardeRoerEnter();
    form.RvardeRoer->SetText("100");
    form.SpeedButton3Click();
  });
}
BENCHMARK(OpenPipeSearchRecord)->Unit(benchmark::kMillisecond);

void OpenCO2Record(benchmark::State& state) {
  SaveThenOpen(state, [](TForm1& form) {
    form.PageControl1->SetActivePage(form.CO2TabSheet);
    form.UteLuft->SetText("10");
    form.AntalPers->SetText("30");
    form.RumVolym->SetText("180");
    form.CO2CalcButtonClick();
  });
}
BENCHMARK(OpenCO2Record)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunOffscreenBenchmarks(argc, argv); }
