#include "app/guard.h"

#include <QWidget>

namespace {

// The window a control sits in. While that window is taken down its own part
// is gone, so no sink is found and nothing runs.
ErrorSink* SinkOf(QWidget* source) {
  for (QWidget* w = source; w; w = w->parentWidget())
    if (auto* sink = dynamic_cast<ErrorSink*>(w)) return sink;
  return nullptr;
}

template <typename Report>
void Run(QWidget* source, const Handler& handler, Report report) {
  if (!handler) return;
  ErrorSink* sink = SinkOf(source);
  if (!sink || sink->TakingDown()) return;
  try {
    handler();
  } catch (const std::exception& error) {
    report(*sink, error);
  }
}

}  // namespace

void RunGuarded(QWidget* source, const Handler& handler) {
  Run(source, handler, [](ErrorSink& sink, const std::exception& error) { sink.ReportError(error); });
}

void RunGuardedPaint(QWidget* source, const Handler& handler) {
  Run(source, handler, [](ErrorSink& sink, const std::exception& error) { sink.ReportAfterPaint(error); });
}
