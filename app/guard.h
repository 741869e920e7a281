// Where errors stop. A handler that Qt calls (a slot, an event override) runs
// through RunGuarded, which catches any fault and hands it to the error report
// of the window the source control sits in. Handlers that code calls directly
// (a change handler run by a text written from code) are plain C++ calls, so a
// fault there also ends the handler that wrote the text.
#pragma once

#include <exception>
#include <functional>

class QWidget;

using Handler = std::function<void()>;

class ErrorSink {
 public:
  virtual ~ErrorSink() = default;
  virtual void ReportError(const std::exception& error) = 0;
  // A fault raised while something paints: no box may open inside a paint, so
  // it is shown once the paint is over.
  virtual void ReportAfterPaint(const std::exception& error) = 0;
  // While the window is taken down none of its handlers runs.
  virtual bool TakingDown() const = 0;
};

// Runs `handler` if it is set and the window that owns `source` is up; a
// fault goes to that window's error report.
void RunGuarded(QWidget* source, const Handler& handler);
// The same for a handler that paints: a fault is reported after the paint.
void RunGuardedPaint(QWidget* source, const Handler& handler);
