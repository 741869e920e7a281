#include <QApplication>
#include <QFile>
#include <QTextStream>
#include <cstdio>

#include "tools/driver.h"

namespace {

// The offscreen platform's notes about window hints it cannot honour say
// nothing about the program; everything else still reaches standard error.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains("This plugin does not support") || message.contains("XDG_RUNTIME_DIR")) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char* argv[]) {
  qInstallMessageHandler(QuietMessages);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  QApplication::setApplicationName("PLUVIK");

  QFile input;
  const bool opened = argc > 1 ? (input.setFileName(QString::fromLocal8Bit(argv[1])), input.open(QIODevice::ReadOnly))
                               : input.open(stdin, QIODevice::ReadOnly);
  if (!opened) {
    std::fprintf(stderr, "pluvik-driver: cannot read %s\n", argc > 1 ? argv[1] : "standard input");
    return 2;
  }
  QTextStream in(&input);
  in.setEncoding(QStringConverter::Utf8);
  QTextStream out(stdout);
  out.setEncoding(QStringConverter::Utf8);
  Driver driver(out);
  return driver.Run(in);
}
