// Small helpers the tabs use to build their controls at their designed places.
#pragma once

#include <QFontMetrics>
#include <QGroupBox>
#include <QRect>

#include "app/colours.h"
#include "app/widgets/edit.h"
#include "app/widgets/spoken.h"

// An edit field with its attached label, placed and showing `text`.
inline TEdit* Edit(QWidget* parent, const QString& name, const QString& label, const QRect& bounds,
                   const QString& text = QString(), TEdit::LabelPlace place = TEdit::LabelPlace::Above) {
  auto* edit = new TEdit(parent, name, label, place);
  edit->setGeometry(bounds);
  edit->setText(text);
  SetBackground(edit, TColor::clWindow);
  return edit;
}

inline TLabel* Label(QWidget* parent, const QString& name, const QString& caption, const QPoint& at) {
  auto* label = new TLabel(parent, name, caption);
  label->move(at);
  label->adjustSize();
  return label;
}

inline QGroupBox* Group(QWidget* parent, const QString& name, const QString& caption, const QRect& bounds) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  group->setGeometry(bounds);
  return group;
}

template <typename T>
T* Placed(T* widget, const QRect& bounds) {
  widget->setGeometry(bounds);
  return widget;
}

// A field that only shows a computed result.
inline void ReadOnlyResult(TEdit* edit) {
  edit->SetReadOnly(true);
  edit->SetColor(TColor::clBtnFace);
}

// Moving and widening placed controls, as the fitting routines do.
inline int RightEdge(const QWidget* w) { return w->x() + w->width(); }
inline void SetLeft(QWidget* w, int left) { w->move(left, w->y()); }
inline void SetWidth(QWidget* w, int width) { w->resize(width, w->height()); }

// The width of a text in a control's own font.
inline int TextWidthIn(const QWidget* w, const QString& text) {
  return QFontMetrics(w->font()).horizontalAdvance(text);
}
