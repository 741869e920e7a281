#include "app/widgets/icons.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

// A transparent picture of `width` x `height` layout pixels, with `ratio`
// device pixels to each: drawn in layout pixels, sharp on a scaled display.
QPixmap Canvas(int width, int height, qreal ratio) {
  QPixmap pixmap((QSizeF(width, height) * ratio).toSize());
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// The largest device pixel ratio of the screens.
qreal ScreenRatio() { return qApp ? qApp->devicePixelRatio() : 1.0; }

QPixmap Calculator(const QColor& body, const QColor& screen, const QColor& keys, qreal ratio) {
  QPixmap pixmap = Canvas(16, 16, ratio);
  QPainter p(&pixmap);
  p.setPen(Qt::NoPen);
  p.setBrush(body);
  p.drawRect(2, 0, 12, 16);
  p.setBrush(screen);
  p.drawRect(4, 2, 8, 3);
  p.setBrush(keys);
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) p.drawRect(4 + col * 3, 7 + row * 3, 2, 2);
  return pixmap;
}

}  // namespace

QIcon CalculatorIcon() {
  // One picture for each ratio a display may use; the icon picks the nearest.
  QIcon icon;
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    icon.addPixmap(Calculator(QColor(64, 64, 64), QColor(160, 220, 160), QColor(240, 240, 240), ratio), QIcon::Normal);
    icon.addPixmap(Calculator(QColor(160, 160, 160), QColor(200, 200, 200), QColor(230, 230, 230), ratio),
                   QIcon::Disabled);
  }
  return icon;
}

QPixmap ProgramEmblem(int width, int height) {
  QPixmap pixmap = Canvas(width, height, ScreenRatio());
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  // A duct bend with an air arrow.
  p.setPen(QPen(QColor(0, 0, 128), 3));
  p.drawLine(6, height / 2, width / 2, height / 2);
  p.drawArc(width / 2 - 12, height / 2 - 24, 24, 24, 270 * 16, 90 * 16);
  p.drawLine(width / 2 + 12, height / 2 - 12, width / 2 + 12, 4);
  p.setPen(QPen(QColor(200, 0, 0), 2));
  p.drawLine(10, height / 2 + 8, width / 2 - 4, height / 2 + 8);
  p.drawLine(width / 2 - 8, height / 2 + 4, width / 2 - 4, height / 2 + 8);
  p.drawLine(width / 2 - 8, height / 2 + 12, width / 2 - 4, height / 2 + 8);
  return pixmap;
}

QPixmap DeltaTPicture(int width, int height) {
  QPixmap pixmap = Canvas(width, height, ScreenRatio());
  QPainter p(&pixmap);
  p.setPen(QColor(128, 0, 0));
  p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, QString::fromUtf8("\u0394t"));
  return pixmap;
}
