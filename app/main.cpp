#include <QApplication>
#include <QCommandLineParser>
#include <cstring>

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/qt_platform.h"
#include "app/version.h"

namespace {

// --help and --version answer on the terminal without opening a window (and
// without a display). Anything else on the command line is the toolkit's.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    for (const char* option : {"-h", "--help", "-?", "-v", "--version"})
      if (std::strcmp(argv[i], option) == 0) return true;
  }
  return false;
}

int AnswerOnTheTerminal(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName("PLUVIK");
  QCoreApplication::setApplicationVersion(PLUVIK_VERSION);
  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(
      "Friktionstryckfall för kanaler och rör, kv- och Fe-värde för ventiler, effekt/flöde samt CO2."));
  parser.addHelpOption();
  parser.addVersionOption();
  // Prints the help or the version and ends the program.
  parser.process(app);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AsksForHelpOrVersion(argc, argv)) return AnswerOnTheTerminal(argc, argv);
  // The window keeps its pixel layout whatever the screen's density.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  QApplication app(argc, argv);
  QApplication::setApplicationName("PLUVIK");
  QtPlatform platform;
  TForm1 form(platform);
  TAboutBox aboutBox(platform, &form);
  form.AttachAboutBox(&aboutBox);
  form.show();
  form.activateWindow();
  return QApplication::exec();
}
