// The smallest Qt Widgets program with one shown window: an empty widget,
// which loads no font. Start-up is reported against it for comparison with
// the program's shape (bare_window.cpp), the yardstick that counts.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(543, 95);
  window.show();
  return QApplication::exec();
}
