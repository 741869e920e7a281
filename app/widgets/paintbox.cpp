#include "app/widgets/paintbox.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TPaintBox::TPaintBox(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

void TPaintBox::EnsureImage() {
  // The image has the window's device pixel ratio, so a scaled display shows
  // sharp lines and texts; drawing still counts in the layout's pixels. At a
  // new size or ratio what was drawn is drawn again, not scaled.
  const qreal ratio = devicePixelRatioF();
  if (!image_.isNull() && image_.deviceIndependentSize().toSize() == size() && image_.devicePixelRatio() == ratio)
    return;
  QImage fresh((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  fresh.setDevicePixelRatio(ratio);
  fresh.fill(Ground());
  if (!image_.isNull()) {
    QPainter painter(&fresh);
    Replay(painter);
  }
  image_ = fresh;
}

void TPaintBox::Clear(TColor background) {
  background_ = LightWhereDark(background);
  image_ = QImage();
  EnsureImage();
  strokes_.clear();
  ops_.clear();
  strokeOpen_ = false;
  update();
}

void TPaintBox::MoveTo(int x, int y) {
  at_ = QPoint(x, y);
  strokeOpen_ = false;
}

void TPaintBox::LineTo(int x, int y) {
  Add(DrawOp{ToQColor(penColor), penWidth, at_, QPoint(x, y), QString(), recording});
  if (recording) {
    if (!strokeOpen_) {
      strokes_.append(Stroke{penColor, penWidth, {at_}});
      strokeOpen_ = true;
    }
    strokes_.last().points.append(QPoint(x, y));
  }
  at_ = QPoint(x, y);
}

void TPaintBox::TextOut(int x, int y, const QString& text) {
  Add(DrawOp{ToQColor(penColor), 1, QPoint(x, y), QPoint(), text, recording});
}

void TPaintBox::Add(const DrawOp& op) {
  EnsureImage();
  ops_.append(op);
  QPainter painter(&image_);
  Draw(painter, op, font(), Ground());
  update();
}

QColor TPaintBox::Ground() const { return background_.isValid() ? background_ : palette().color(QPalette::Window); }

void TPaintBox::Draw(QPainter& painter, const DrawOp& op, const QFont& font, const QColor& ground) {
  if (op.text.isEmpty()) {
    painter.setPen(QPen(op.colour, op.width));
    painter.drawLine(op.from, op.to);
    return;
  }
  // The font in the canvas's pixels, so that a painter's scale (a printed
  // page) applies to the texts as to the lines. A text stands on the
  // canvas's background.
  QFont pixelFont = font;
  pixelFont.setPixelSize(QFontInfo(font).pixelSize());
  painter.setFont(pixelFont);
  const QFontMetrics metrics(font);
  painter.fillRect(QRect(op.from, QSize(metrics.horizontalAdvance(op.text), metrics.height())), ground);
  painter.setPen(op.colour);
  painter.drawText(op.from.x(), op.from.y() + metrics.ascent(), op.text);
}

TPaintBox::Picture TPaintBox::PictureFrom(qsizetype from) const {
  Picture picture{size(), Ground(), font(), {}};
  for (qsizetype i = 0; i < ops_.size(); ++i)
    if (!ops_[i].curve || i >= from) picture.ops << ops_[i];
  return picture;
}

void TPaintBox::Replay(QPainter& painter, const QSize& size, const QColor& ground, const QFont& font,
                       const QList<DrawOp>& ops) {
  painter.save();
  painter.setClipRect(QRect(QPoint(), size));
  painter.fillRect(QRect(QPoint(), size), ground);
  for (const DrawOp& op : ops) Draw(painter, op, font, ground);
  painter.restore();
}

void TPaintBox::Picture::Replay(QPainter& painter) const { TPaintBox::Replay(painter, size, ground, font, ops); }

void TPaintBox::Replay(QPainter& painter) const { Replay(painter, size(), Ground(), font(), ops_); }

int TPaintBox::TextWidth(const QString& text) const { return QFontMetrics(font()).horizontalAdvance(text); }

int TPaintBox::TextHeight(const QString&) const { return QFontMetrics(font()).height(); }

void TPaintBox::paintEvent(QPaintEvent*) {
  if (image_.isNull()) RunGuardedPaint(this, OnFirstPaint);
  if (image_.isNull()) return;
  // The window moved to a screen of another ratio.
  EnsureImage();
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
  // Reached by the keyboard, the chart shows it has the focus.
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void TPaintBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TPaintBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}
