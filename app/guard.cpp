#include "app/guard.h"

#include <QWidget>

void RunGuarded(QWidget* source, const Handler& handler) {
  if (!handler) return;
  try {
    handler();
  } catch (const std::exception& error) {
    for (QWidget* w = source; w; w = w->parentWidget()) {
      if (auto* sink = dynamic_cast<ErrorSink*>(w)) {
        sink->ReportError(error);
        return;
      }
    }
  }
}
