// The least Qt Widgets program of the program's shape: an always-on-top main
// window with five tabs of 20 fields each and one table, shown at the
// program's start size. PLUVIK's start-up time and memory are measured
// against it (bench/startup.sh).
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  window.resize(543, 95);
  auto* tabs = new QTabWidget(&window);
  tabs->setTabPosition(QTabWidget::East);
  tabs->setGeometry(0, 0, 543, 95);
  for (int page = 0; page < 5; ++page) {
    auto* tab = new QWidget;
    for (int field = 0; field < 20; ++field) {
      auto* edit = new QLineEdit(tab);
      edit->setGeometry(2 + (field % 5) * 64, 15 + (field / 5) * 24, 60, 21);
    }
    if (page == 0) {
      auto* table = new QTableWidget(15, 3, tab);
      table->setGeometry(330, 0, 180, 90);
    }
    tabs->addTab(tab, QStringLiteral("Flik %1").arg(page + 1));
  }
  window.show();
  return QApplication::exec();
}
