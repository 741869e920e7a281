#include "app/widgets/spoken.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr const char* kUnspoken = "pluvikUnspoken";

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
  if (className == QLatin1String("TPaintBox")) return new QAccessibleWidget(widget, QAccessible::Chart);
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

void SpeakAs(QWidget* control, const QString& name) {
  if (control->accessibleName() != name) control->setAccessibleName(name);
  QLineEdit* field = nullptr;
  if (auto* combo = qobject_cast<QComboBox*>(control)) field = combo->lineEdit();
  if (!field && qobject_cast<QAbstractSpinBox*>(control)) field = control->findChild<QLineEdit*>();
  if (field && field->accessibleName() != name) field->setAccessibleName(name);
}

void KeepFromScreenReaders(QWidget* control) { control->setProperty(kUnspoken, true); }
