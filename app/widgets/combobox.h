// A combo box with an editable text. It works in two styles switched at run
// time: with a drop-down list that completes typed text, or as a plain text
// box without a list.
#pragma once

#include <QComboBox>

#include "app/colours.h"
#include "app/guard.h"

class TComboBox : public QComboBox {
  Q_OBJECT
 public:
  TComboBox(QWidget* parent, const QString& name);

  QString Text() const { return currentText(); }
  // Sets the shown text from code; no handler runs.
  void SetText(const QString& value);

  QStringList Items() const;
  void SetItems(const QStringList& items);
  void SetItem(int index, const QString& text);
  // The list item the shown text stands for, or -1.
  int ItemIndex() const;

  bool DropDown() const { return dropDown_; }
  // Whether typed text is completed from the list (on by default).
  void SetCompletes(bool completes);
  // true: a drop-down list that completes typed text; false: a plain text box.
  void SetDropDown(bool dropDown);

  TColor Color() const { return Background(this); }
  void SetColor(TColor colour) { SetBackground(this, colour); }

  void showPopup() override;

  Handler OnChange;  // any change of the text by the user
  Handler OnClick;   // an item picked from the list
  Handler OnEnter;
  Handler OnExit;

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool dropDown_ = true;
  bool completes_ = true;
  int pickedIndex_ = -1;
};
