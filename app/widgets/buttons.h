// Check boxes, radio buttons and the tabs' ENTER buttons.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QToolButton>

#include "app/colours.h"
#include "app/guard.h"

class TCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  TCheckBox(QWidget* parent, const QString& name, const QString& caption);
  bool Checked() const { return isChecked(); }
  // Ticking or unticking from code runs the click handler, as a click does.
  void SetChecked(bool value);
  Handler OnClick;
};

class TRadioButton : public QRadioButton {
  Q_OBJECT
 public:
  TRadioButton(QWidget* parent, const QString& name, const QString& caption);
  bool Checked() const { return isChecked(); }
  // Choosing the button from code runs its click handler.
  void SetChecked(bool value);
  Handler OnClick;
};

// Buttons that exclude each other are one stop of the Tab key, on the
// checked button (the first while none is), as the platform has it; the
// arrow keys still move between them. The other buttons take the focus only
// by a click or an arrow.
class ExclusiveTabStop : public QObject {
  Q_OBJECT
 public:
  ExclusiveTabStop(QObject* owner, const QList<QAbstractButton*>& buttons);
  // Puts the stop on the checked button again; a button's check set from code
  // with its signals blocked calls it.
  void Update();
  static void UpdateFor(QAbstractButton* button);

 private:
  QList<QAbstractButton*> buttons_;
};

// A flat button with a 16 x 16 picture and a hint; the tabs' ENTER buttons.
class TSpeedButton : public QToolButton {
  Q_OBJECT
 public:
  TSpeedButton(QWidget* parent, const QString& name, const QIcon& icon);
  Handler OnClick;
};
