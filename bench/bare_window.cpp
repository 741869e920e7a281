// The smallest Qt Widgets program with one shown window: the yardstick that
// the program's start-up time and memory are compared with.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(543, 95);
  window.show();
  return QApplication::exec();
}
