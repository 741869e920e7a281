// A radio group: a group box with a column of radio buttons and an item index.
#pragma once

#include <QGroupBox>
#include <QList>

#include "app/colours.h"
#include "app/guard.h"

class QButtonGroup;
class QRadioButton;

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(QWidget* parent, const QString& name, const QString& caption, const QStringList& items, int itemIndex);

  int ItemIndex() const;
  // Choosing an item from code runs the click handler, as a click does.
  void SetItemIndex(int index);
  QStringList Items() const;
  QString ItemText(int index) const;
  // Replaces an item's text; the chosen item stays and nothing runs.
  void SetItem(int index, const QString& text);
  QString Caption() const { return title(); }
  void SetCaption(const QString& caption) { setTitle(caption); }
  QRadioButton* Button(int index) const;
  int Count() const { return static_cast<int>(buttons_.size()); }

  Handler OnClick;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceButtons();
  QButtonGroup* group_;
  QList<QRadioButton*> buttons_;
};
