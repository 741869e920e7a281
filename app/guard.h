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
};

// Runs `handler` if it is set; a fault goes to the ErrorSink that owns `source`.
void RunGuarded(QWidget* source, const Handler& handler);
