#include "app/widgets/paintbox.h"

#include <QPainter>

#include "app/guard.h"

TPaintBox::TPaintBox(QWidget* parent, const QString& name) : QWidget(parent) { setObjectName(name); }

void TPaintBox::paintEvent(QPaintEvent*) {
  if (!OnPaint) return;
  QPainter painter(this);
  RunGuardedPaint(this, [&] { OnPaint(painter); });
}
