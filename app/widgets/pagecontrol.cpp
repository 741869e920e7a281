#include "app/widgets/pagecontrol.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace {
constexpr int kFrame = 2;
// Room before and after a tab's caption, along the tab.
constexpr int kCaptionMargin = 6;
}  // namespace

TPageControl::TPageControl(QWidget* parent, const QString& name) : QWidget(parent), stack_(new QStackedWidget(this)) {
  setObjectName(name);
  setFocusPolicy(Qt::ClickFocus);
}

void TPageControl::AddPage(QWidget* page, const QString& caption) {
  stack_->addWidget(page);
  captions_ << caption;
  LayoutTabs();
}

void TPageControl::SetCaption(int index, const QString& caption) {
  if (index < 0 || index >= captions_.size()) return;
  captions_[index] = caption;
  LayoutTabs();
  update();
}

QRect TPageControl::TabRect(int index) const { return tabRects_.value(index); }

int TPageControl::TabLength(int index) const {
  return fontMetrics().horizontalAdvance(captions_.value(index)) + 2 * kCaptionMargin;
}

qreal TPageControl::CaptionRoom(int index) const { return TabLength(index) - 2.0 * kCaptionMargin; }

qreal TPageControl::CaptionScale(int index, bool bold) const {
  QFont font = this->font();
  font.setBold(bold);
  const qreal natural = QFontMetricsF(font).horizontalAdvance(captions_.value(index));
  return natural > CaptionRoom(index) ? CaptionRoom(index) / natural : 1.0;
}

qreal TPageControl::CaptionLength(int index, bool bold) const {
  QFont font = this->font();
  font.setBold(bold);
  return QFontMetricsF(font).horizontalAdvance(captions_.value(index)) * CaptionScale(index, bold);
}

int TPageControl::TabThickness() const { return fontMetrics().height() + 6; }

void TPageControl::LayoutTabs() {
  // Tabs run down a column and wrap into the next column to the right.
  const int available = std::max(1, height() - kFrame);
  const int thickness = TabThickness();
  QList<QList<int>> columns(1);
  int used = 0;
  for (int i = 0; i < captions_.size(); ++i) {
    const int length = TabLength(i);
    if (used > 0 && used + length > available) {
      columns.append(QList<int>());
      used = 0;
    }
    columns.last().append(i);
    used += length;
  }
  const int stripWidth = static_cast<int>(columns.size()) * thickness;
  const int pageRight = width() - stripWidth;
  tabRects_ = QList<QRect>(captions_.size());
  for (int c = 0; c < columns.size(); ++c) {
    int top = kFrame;
    for (int index : columns[c]) {
      const int length = TabLength(index);
      tabRects_[index] = QRect(pageRight + c * thickness, top, thickness, length);
      top += length;
    }
  }
  stack_->setGeometry(kFrame, kFrame, std::max(0, pageRight - 2 * kFrame), std::max(0, height() - 2 * kFrame));
}

void TPageControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayoutTabs();
}

void TPageControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  const QRect page = stack_->geometry().adjusted(-kFrame, -kFrame, kFrame - 1, kFrame - 1);
  painter.setPen(pal.color(QPalette::Mid));
  painter.drawRect(page);
  for (int i = 0; i < tabRects_.size(); ++i) {
    const QRect tab = tabRects_[i];
    const bool active = i == stack_->currentIndex();
    painter.fillRect(tab.adjusted(0, 0, -1, -1), active ? pal.color(QPalette::Window) : pal.color(QPalette::Button));
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawRect(tab.adjusted(0, 0, -1, -1));
    painter.save();
    // The caption reads downwards, as on tabs standing on the right; turned a
    // quarter clockwise, the letters stand to the right of their base line.
    painter.translate(tab.left() + 3 + fontMetrics().descent(), tab.top() + kCaptionMargin);
    painter.rotate(90);
    QFont font = this->font();
    font.setBold(active);
    painter.setFont(font);
    // The tab is as long as the caption in the plain font: a bold caption is
    // drawn a little narrower, so that its last letter stays on the tab.
    painter.scale(CaptionScale(i, active), 1.0);
    painter.setPen(pal.color(QPalette::WindowText));
    painter.drawText(0, 0, captions_[i]);
    painter.restore();
  }
}

void TPageControl::mousePressEvent(QMouseEvent* event) {
  QWidget::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  for (int i = 0; i < tabRects_.size(); ++i) {
    if (!tabRects_[i].contains(event->position().toPoint())) continue;
    ChooseTab(i);
    return;
  }
}

void TPageControl::ChooseTab(int index) {
  if (index < 0 || index >= stack_->count() || index == stack_->currentIndex()) return;
  RunGuarded(this, [this, index] {
    if (OnChanging) OnChanging(stack_->currentWidget());
    stack_->setCurrentIndex(index);
    update();
    if (OnChange) OnChange();
  });
}
