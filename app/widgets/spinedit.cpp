#include "app/widgets/spinedit.h"

#include <QLineEdit>

#include "calc/numtext.h"

TSpinEdit::TSpinEdit(QWidget* parent, const QString& name, int minimum, int maximum, int value) : QSpinBox(parent) {
  setObjectName(name);
  setRange(minimum, maximum);
  setValue(value);
  lineEdit()->setObjectName(name + "Edit");
  connect(this, &QSpinBox::textChanged, this, [this] { RunGuarded(this, OnChange); });
}

QString TSpinEdit::Text() const { return lineEdit()->text(); }

int TSpinEdit::Value() const {
  int value = 0;
  return calc::TryStrToInt(Text().toStdString(), value) ? value : 0;
}
