// A spin edit for whole numbers; a text that is not a whole number counts as 0.
#pragma once

#include <QSpinBox>

#include "app/guard.h"

class TSpinEdit : public QSpinBox {
  Q_OBJECT
 public:
  TSpinEdit(QWidget* parent, const QString& name, int minimum, int maximum, int value);
  int Value() const;
  QString Text() const;
  Handler OnChange;
};
