#include "app/widgets/radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

#include "app/widgets/buttons.h"

TRadioGroup::TRadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items,
                         int itemIndex)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
  setObjectName(name);
  // An explicit group keeps these buttons apart from radio buttons elsewhere
  // on the page, which would otherwise count them as their own group.
  group_->setExclusive(true);
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(QStringLiteral("%1Item%2").arg(name).arg(i));
    button->setChecked(i == itemIndex);
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) RunGuarded(this, OnClick);
    });
    buttons_ << button;
    group_->addButton(button, i);
  }
  new ExclusiveTabStop(this, QList<QAbstractButton*>(buttons_.begin(), buttons_.end()));
  PlaceButtons();
}

int TRadioGroup::ItemIndex() const {
  for (int i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->isChecked()) return i;
  return -1;
}

void TRadioGroup::SetItemIndex(int index) {
  if (index == ItemIndex()) return;
  group_->setExclusive(false);
  for (int i = 0; i < buttons_.size(); ++i) {
    const QSignalBlocker blocker(buttons_[i]);
    buttons_[i]->setChecked(i == index);
  }
  group_->setExclusive(true);
  if (!buttons_.isEmpty()) ExclusiveTabStop::UpdateFor(buttons_.front());
  if (OnClick) OnClick();
}

QStringList TRadioGroup::Items() const {
  QStringList items;
  for (const auto* button : buttons_) items << button->text();
  return items;
}

QString TRadioGroup::ItemText(int index) const {
  return index >= 0 && index < buttons_.size() ? buttons_[index]->text() : QString();
}

void TRadioGroup::SetItem(int index, const QString& text) {
  if (index >= 0 && index < buttons_.size()) buttons_[index]->setText(text);
}

QRadioButton* TRadioGroup::Button(int index) const {
  return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  PlaceButtons();
}

void TRadioGroup::PlaceButtons() {
  if (buttons_.isEmpty()) return;
  const int top = 15;
  const int step = std::max(15, (height() - top - 3) / static_cast<int>(buttons_.size()));
  for (int i = 0; i < buttons_.size(); ++i) buttons_[i]->setGeometry(6, top + i * step, std::max(10, width() - 10), 16);
}
