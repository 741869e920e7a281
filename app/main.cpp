#include <QApplication>

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/qt_platform.h"

int main(int argc, char* argv[]) {
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
