#include <QtTest>
class WindowTest : public QObject { Q_OBJECT };
QTEST_MAIN(WindowTest)
#include "window_test.moc"
