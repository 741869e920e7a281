#include "app/widgets/combobox.h"

#include "app/widgets/edit.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

TComboBox::TComboBox(QWidget* parent, const QString& name) : QComboBox(parent) {
  setObjectName(name);
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  lineEdit()->setObjectName(name + "Edit");
  lineEdit()->installEventFilter(this);
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
    pickedIndex_ = -1;
    RunGuarded(this, OnChange);
  });
  connect(this, &QComboBox::activated, this, [this](int index) {
    pickedIndex_ = index;
    RunGuarded(this, [this] {
      if (OnClick) OnClick();
      if (OnChange) OnChange();
    });
  });
}

bool TComboBox::eventFilter(QObject* watched, QEvent* event) {
  // Enter runs the tab's calculation; it does not pick the list item that
  // matches the typed text.
  if (watched == lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
  }
  return QComboBox::eventFilter(watched, event);
}

void TComboBox::SetText(const QString& value) {
  const QSignalBlocker blocker(this);
  const int index = findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) setCurrentIndex(index);
  setEditText(value);
  pickedIndex_ = index;
}

QStringList TComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < count(); ++i) items << itemText(i);
  return items;
}

void TComboBox::SetItems(const QStringList& items) {
  const QSignalBlocker blocker(this);
  const QString shown = currentText();
  clear();
  addItems(items);
  setEditText(shown);
  pickedIndex_ = -1;
}

void TComboBox::SetItem(int index, const QString& text) {
  const QSignalBlocker blocker(this);
  const QString shown = currentText();
  if (index >= 0 && index < count()) setItemText(index, text);
  setEditText(shown);
}

int TComboBox::ItemIndex() const {
  if (pickedIndex_ >= 0 && pickedIndex_ < count() && itemText(pickedIndex_) == currentText()) return pickedIndex_;
  return findText(currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TComboBox::SetDropDown(bool dropDown) {
  dropDown_ = dropDown;
  // The completion of typed text is set up when the user first enters the
  // box, not at start.
  if (!dropDown) setCompleter(nullptr);
  // A plain text box shows no drop-down arrow.
  setStyleSheet(dropDown ? QString() : QStringLiteral("QComboBox::drop-down { width: 0px; border: none; }"));
}

void TComboBox::SetCompletes(bool completes) {
  completes_ = completes;
  // An editable combo box completes from its list from the start; a box
  // that takes its text as typed has no completer at all.
  if (!completes) setCompleter(nullptr);
}

void TComboBox::showPopup() {
  if (dropDown_) QComboBox::showPopup();
}

void TComboBox::focusInEvent(QFocusEvent* event) {
  if (dropDown_ && completes_ && !completer()) {
    auto* completion = new QCompleter(model(), this);
    completion->setCompletionMode(QCompleter::InlineCompletion);
    completion->setCaseSensitivity(Qt::CaseInsensitive);
    setCompleter(completion);
  }
  QComboBox::focusInEvent(event);
  if (MovesBetweenControls(event)) RunGuarded(this, OnEnter);
}

void TComboBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (MovesBetweenControls(event)) RunGuarded(this, OnExit);
}
