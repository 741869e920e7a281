// The main function of a benchmark that needs the real window: Qt on the
// offscreen platform, then Google Benchmark.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

inline int RunOffscreenBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
