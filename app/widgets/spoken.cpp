#include "app/widgets/spoken.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

#include "app/widgets/pagecontrol.h"

namespace {

constexpr const char* kUnspoken = "pluvikUnspoken";
// Marks the notice that says results to screen readers.
constexpr const char* kNotice = "pluvikNotice";

// A combo box is named like any other field: by its accessible name or the
// label that names it. (Qt's own interface on Linux gives the shown text as
// the name and leaves the label to a relation, so a screen reader read a
// material box as "0.025 Fz Stål Veloduct".) The shown text is the value.
class ComboBoxInterface : public QAccessibleWidget {
 public:
  explicit ComboBoxInterface(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Combo()->currentText();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.expandable = true;
    s.expanded = Combo()->view() && Combo()->view()->isVisible();
    s.editable = Combo()->isEditable();
    // The box's text field has the focus and says so; one focused object.
    if (Combo()->lineEdit()) s.focused = false;
    return s;
  }
  QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == showMenuAction())
      Combo()->showPopup();
    else
      QAccessibleWidget::doAction(action);
  }

 private:
  QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// The tab strip as screen readers know it from other programs: a page tab
// list with one page tab per calculator, named by its caption, the shown one
// selected, each page tab holding its page. Moving to another tab moves the
// focus into a page under another page tab, and the screen reader says the
// new tab's name with the focused field.
class PageTabListInterface;

class PageTabInterface : public QAccessibleInterface {
 public:
  PageTabInterface(TPageControl* control, int index) : control_(control), index_(index) {}

  bool isValid() const override { return control_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return control_ ? control_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(control_); }
  int childCount() const override { return Page() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && Page() ? QAccessible::queryAccessibleInterface(Page()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && Page() && child->object() == Page() ? 0 : -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    QAccessibleInterface* page = child(0);
    return page && page->rect().contains(x, y) ? page : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name && control_ ? control_->Caption(index_) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!control_) return {};
    const QRect tab = control_->TabRect(index_);
    return QRect(control_->mapToGlobal(tab.topLeft()), tab.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.selectable = true;
    s.selected = control_ && control_->ActivePage() == Page();
    s.invisible = !control_ || !control_->isVisible();
    return s;
  }

 private:
  QWidget* Page() const { return control_ ? control_->Page(index_) : nullptr; }
  QPointer<TPageControl> control_;
  int index_;
};

class PageTabListInterface : public QAccessibleWidget {
 public:
  explicit PageTabListInterface(TPageControl* control) : QAccessibleWidget(control, QAccessible::PageTabList) {}
  ~PageTabListInterface() override {
    for (const QAccessible::Id id : tabs_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return Control()->PageCount(); }
  QAccessibleInterface* child(int index) const override { return Tab(index); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < tabs_.size(); ++i)
      if (QAccessible::accessibleInterface(tabs_[i]) == child) return i;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (Tab(i)->rect().contains(x, y)) return Tab(i);
    return nullptr;
  }

  QAccessibleInterface* Tab(int index) const {
    if (index < 0 || index >= Control()->PageCount()) return nullptr;
    while (tabs_.size() <= index)
      tabs_ << QAccessible::registerAccessibleInterface(
          new PageTabInterface(Control(), static_cast<int>(tabs_.size())));
    return QAccessible::accessibleInterface(tabs_[index]);
  }

 private:
  TPageControl* Control() const { return static_cast<TPageControl*>(widget()); }
  mutable QList<QAccessible::Id> tabs_;
};

// A page of the tab strip: a part of the window whose parent, for screen
// readers, is its page tab.
class PageInterface : public QAccessibleWidget {
 public:
  PageInterface(QWidget* page, TPageControl* control)
      : QAccessibleWidget(page, QAccessible::Client), control_(control) {}

  QAccessibleInterface* parent() const override {
    auto* list = dynamic_cast<PageTabListInterface*>(QAccessible::queryAccessibleInterface(control_));
    return list ? list->Tab(control_->IndexOf(widget())) : QAccessibleWidget::parent();
  }

 private:
  QPointer<TPageControl> control_;
};

TPageControl* PageControlOf(QWidget* page) {
  QWidget* stack = page->parentWidget();
  return stack ? qobject_cast<TPageControl*>(stack->parentWidget()) : nullptr;
}

// A spin box is heard through its text field, which holds the value and
// the focus: the box itself is not focused as well.
class SpinBoxInterface : public QAccessibleWidget {
 public:
  explicit SpinBoxInterface(QAbstractSpinBox* box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<QAbstractSpinBox*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.focused = false;
    return s;
  }
};

// A control kept from screen readers: not shown, nothing inside.
class UnspokenInterface : public QAccessibleWidget {
 public:
  explicit UnspokenInterface(QWidget* w) : QAccessibleWidget(w, QAccessible::NoRole) {}

  QAccessible::State state() const override {
    QAccessible::State s;
    s.invisible = true;
    return s;
  }
  QString text(QAccessible::Text) const override { return QString(); }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* SpokenInterface(const QString& className, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  // Asked once for each class up the hierarchy; answer for the object's own.
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  if (widget->property(kUnspoken).toBool()) return new UnspokenInterface(widget);
  if (className == QLatin1String("TComboBox")) return new ComboBoxInterface(static_cast<QComboBox*>(widget));
  if (className == QLatin1String("TSpinEdit")) return new SpinBoxInterface(static_cast<QAbstractSpinBox*>(widget));
  if (className == QLatin1String("TPaintBox")) return new QAccessibleWidget(widget, QAccessible::Chart);
  // A frame that only groups fields (the power tab's flow and power) is a
  // panel: AT-SPI's "frame" is a window, and a screen reader drops the
  // focus in a window that is not active.
  if (className == QLatin1String("QFrame")) return new QAccessibleWidget(widget, QAccessible::Pane);
  if (widget->property(kNotice).toBool()) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (className == QLatin1String("TPageControl")) return new PageTabListInterface(static_cast<TPageControl*>(widget));
  if (TPageControl* control = PageControlOf(widget); control && control->IndexOf(widget) >= 0)
    return new PageInterface(widget, control);
  return nullptr;
}

}  // namespace

void InstallSpokenInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(SpokenInterface);
    return true;
  }();
  (void)installed;
}

void NameCaptionLabels(QWidget* field, const QString& name) {
  if (!field->parentWidget()) return;
  for (QLabel* label : field->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (label->buddy() == field && label->accessibleName() != name) label->setAccessibleName(name);
}

void SpeakAs(QWidget* control, const QString& name) {
  if (control->accessibleName() != name) control->setAccessibleName(name);
  NameCaptionLabels(control, name);
  QLineEdit* field = nullptr;
  if (auto* combo = qobject_cast<QComboBox*>(control)) field = combo->lineEdit();
  if (!field && qobject_cast<QAbstractSpinBox*>(control)) field = control->findChild<QLineEdit*>();
  if (field && field->accessibleName() != name) field->setAccessibleName(name);
}

void KeepFromScreenReaders(QWidget* control) { control->setProperty(kUnspoken, true); }

void Announce(QWidget* parent, QWidget*& notice, const QString& name, const QString& text) {
  if (!QAccessible::isActive()) return;
  const bool fresh = !notice;
  if (fresh) {
    notice = new QWidget(parent);
    notice->setObjectName(name);
    notice->setProperty(kNotice, true);
    notice->setGeometry(0, 0, 1, 1);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  // Renamed while shown, so that screen readers learn the new name, then
  // shown anew, which they speak; the first time it simply appears.
  notice->setAccessibleName(text);
  if (!fresh) notice->hide();
  notice->show();
}
