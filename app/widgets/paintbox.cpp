#include "app/widgets/paintbox.h"

#include <QFontMetrics>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

void TPaintBox::EnsureImage() {
  if (image_.size() == size() && !image_.isNull()) return;
  QImage grown(size(), QImage::Format_ARGB32_Premultiplied);
  grown.fill(background_.isValid() ? background_ : palette().color(QPalette::Window));
  if (!image_.isNull()) {
    QPainter painter(&grown);
    painter.drawImage(0, 0, image_);
  }
  image_ = grown;
}

void TPaintBox::Clear(TColor background) {
  background_ = ToQColor(background);
  image_ = QImage();
  EnsureImage();
  strokes_.clear();
  strokeOpen_ = false;
  update();
}

void TPaintBox::MoveTo(int x, int y) {
  at_ = QPoint(x, y);
  strokeOpen_ = false;
}

void TPaintBox::LineTo(int x, int y) {
  EnsureImage();
  {
    QPainter painter(&image_);
    painter.setPen(QPen(ToQColor(penColor), penWidth));
    painter.drawLine(at_, QPoint(x, y));
  }
  if (recording) {
    if (!strokeOpen_) {
      strokes_.append(Stroke{penColor, penWidth, {at_}});
      strokeOpen_ = true;
    }
    strokes_.last().points.append(QPoint(x, y));
  }
  at_ = QPoint(x, y);
  update();
}

void TPaintBox::TextOut(int x, int y, const QString& text) {
  EnsureImage();
  QPainter painter(&image_);
  painter.setFont(font());
  const QFontMetrics metrics(font());
  painter.fillRect(QRect(QPoint(x, y), QSize(metrics.horizontalAdvance(text), metrics.height())), background_);
  painter.setPen(ToQColor(penColor));
  painter.drawText(x, y + metrics.ascent(), text);
  update();
}

int TPaintBox::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

int TPaintBox::TextHeight(const QString&) const { return QFontMetrics(font()).height(); }

void TPaintBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) RunGuardedPaint(this, OnFirstPaint);
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}
