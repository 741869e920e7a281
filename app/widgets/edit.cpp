#include "app/widgets/edit.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "app/widgets/spoken.h"

void SetHint(QWidget* widget, const QString& hint) {
  widget->setProperty("pluvikHint", hint);
  QString shown = hint;
  shown.replace("\r\n", "\n");
  widget->setToolTip(shown);
}

void KeepHint(QWidget* widget, const QString& hint) { widget->setProperty("pluvikHint", hint); }

QString Hint(const QWidget* widget) { return widget->property("pluvikHint").toString(); }

TLabel::TLabel(QWidget* parent, const QString& name, const QString& caption) : QLabel(caption, parent) {
  setObjectName(name);
}

void TLabel::SetCaption(const QString& caption) {
  setText(caption);
  adjustSize();
  UpdateSpokenName();
  if (auto* edit = qobject_cast<TEdit*>(buddy()))
    edit->UpdateSpokenName();
  else if (buddy())
    SpeakAs(buddy(), caption);
}

void TLabel::Names(QWidget* field) {
  setBuddy(field);
  if (auto* edit = qobject_cast<TEdit*>(field))
    edit->UpdateSpokenName();
  else
    SpeakAs(field, text());
}

void TLabel::SpeakAfter(const QLabel* lead) {
  lead_ = lead;
  UpdateSpokenName();
}

void TLabel::UpdateSpokenName() {
  if (lead_) setAccessibleName(lead_->text() + ' ' + text().trimmed());
}

TEdit::TEdit(QWidget* parent, const QString& name, const QString& labelCaption, LabelPlace place)
    : QLineEdit(parent), place_(place) {
  setObjectName(name);
  if (place != LabelPlace::None) {
    label_ = new TLabel(parent, name + "Label", labelCaption);
    label_->adjustSize();
    label_->setBuddy(this);
  }
  connect(this, &QLineEdit::textEdited, this, [this] { RunGuarded(this, OnChange); });
  UpdateSpokenName();
}

void TEdit::SetReadOnly(bool value) {
  setReadOnly(value);
  UpdateSpokenName();
}

void TEdit::SetSpokenWhat(const QString& what) {
  spokenWhat_ = what;
  UpdateSpokenName();
}

void TEdit::UpdateSpokenName() {
  QString name = SpokenCaption();
  // The same word in Swedish and Danish.
  if (ShowsResult()) name += QStringLiteral(", resultat");
  if (name != accessibleName()) setAccessibleName(name);
  NameCaptionLabels(this, name);
}

QString TEdit::SpokenCaption() const {
  QStringList parts;
  auto* group = qobject_cast<QGroupBox*>(parentWidget());
  if (group && !group->title().isEmpty()) parts << group->title() + ':';
  if (!spokenWhat_.isEmpty()) parts << spokenWhat_;
  // The caption: the attached label's, or that of a label naming the field.
  QString caption = LabelCaption();
  if (!label_ && parentWidget()) {
    for (const TLabel* other : parentWidget()->findChildren<TLabel*>(Qt::FindDirectChildrenOnly))
      if (other->buddy() == this) caption = other->Caption();
  }
  if (!caption.isEmpty()) parts << caption;
  return parts.join(' ');
}

void TEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) UpdateSpokenName();
}

void TEdit::SetText(const QString& value) {
  if (value == text()) return;
  {
    const QSignalBlocker blocker(this);
    setText(value);
  }
  if (OnChange) OnChange();
}

void TEdit::SetLabelCaption(const QString& caption) {
  if (!label_) return;
  label_->setText(caption);
  label_->adjustSize();
  PlaceLabel();
  UpdateSpokenName();
}

QString TEdit::LabelCaption() const { return label_ ? label_->text() : QString(); }

void TEdit::SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

bool MovesBetweenControls(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

void TEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (MovesBetweenControls(event)) RunGuarded(this, OnEnter);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (MovesBetweenControls(event)) RunGuarded(this, OnExit);
}

void TEdit::mouseDoubleClickEvent(QMouseEvent* event) {
  QLineEdit::mouseDoubleClickEvent(event);
  RunGuarded(this, OnDblClick);
}

void TEdit::moveEvent(QMoveEvent* event) {
  QLineEdit::moveEvent(event);
  PlaceLabel();
}

void TEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  PlaceLabel();
}

void TEdit::PlaceLabel() {
  if (!label_) return;
  if (place_ == LabelPlace::Above)
    label_->move(x(), y() - label_->height() - 1);
  else
    label_->move(x() + width() + 4, y() + (height() - label_->height()) / 2);
}

void TEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && CopyText) {
    const QString copied = hasSelectedText() ? selectedText() : isReadOnly() ? text() : QString();
    if (!copied.isEmpty()) {
      CopyText(copied);
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}
