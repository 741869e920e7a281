#include "app/widgets/buttons.h"

#include <QSignalBlocker>

#include <QVariant>

TCheckBox::TCheckBox(QWidget* parent, const QString& name, const QString& caption) : QCheckBox(caption, parent) {
  setObjectName(name);
  connect(this, &QCheckBox::clicked, this, [this] { RunGuarded(this, OnClick); });
}

void TCheckBox::SetChecked(bool value) {
  if (value == isChecked()) return;
  {
    const QSignalBlocker blocker(this);
    setChecked(value);
  }
  if (OnClick) OnClick();
}

TRadioButton::TRadioButton(QWidget* parent, const QString& name, const QString& caption)
    : QRadioButton(caption, parent) {
  setObjectName(name);
  // A click on the button that is already chosen changes nothing and runs
  // nothing; choosing another one runs its handler.
  connect(this, &QRadioButton::toggled, this, [this](bool on) {
    if (on) RunGuarded(this, OnClick);
  });
}

void TRadioButton::SetChecked(bool value) {
  if (value == isChecked()) return;
  {
    const QSignalBlocker blocker(this);
    if (!value) setAutoExclusive(false);
    setChecked(value);
    if (!value) setAutoExclusive(true);
  }
  ExclusiveTabStop::UpdateFor(this);
  if (value && OnClick) OnClick();
}

namespace {
constexpr const char* kTabStop = "pluvikTabStop";
}

ExclusiveTabStop::ExclusiveTabStop(QObject* owner, const QList<QAbstractButton*>& buttons)
    : QObject(owner), buttons_(buttons) {
  for (QAbstractButton* button : buttons_) {
    button->setProperty(kTabStop, QVariant::fromValue(static_cast<QObject*>(this)));
    connect(button, &QAbstractButton::toggled, this, [this] { Update(); });
  }
  Update();
}

void ExclusiveTabStop::Update() {
  QAbstractButton* stop = buttons_.isEmpty() ? nullptr : buttons_.front();
  for (QAbstractButton* button : buttons_)
    if (button->isChecked()) stop = button;
  for (QAbstractButton* button : buttons_) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void ExclusiveTabStop::UpdateFor(QAbstractButton* button) {
  if (auto* stop = qobject_cast<ExclusiveTabStop*>(button->property(kTabStop).value<QObject*>())) stop->Update();
}

TSpeedButton::TSpeedButton(QWidget* parent, const QString& name, const QIcon& icon) : QToolButton(parent) {
  setObjectName(name);
  setIcon(icon);
  setIconSize(QSize(16, 16));
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, [this] { RunGuarded(this, OnClick); });
}
