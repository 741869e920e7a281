#include "app/widgets/spoken.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTextBoundaryFinder>
#include <QWindow>
#include <algorithm>

#include "app/widgets/pagecontrol.h"

namespace {

constexpr const char* kUnspoken = "pluvikUnspoken";
// Marks the notice that says results to screen readers.
constexpr const char* kNotice = "pluvikNotice";
// Marks a label that tells a window's state.
constexpr const char* kStatus = "pluvikStatus";

// Where a piece of a one-line text begins and ends, for a screen reader
// reading it by character, word, sentence or line: the piece at `offset`,
// or the one before or after it (`step` -1, 0 or +1). Nothing there gives an
// empty text at -1. (Qt's own line edit interface loops forever when asked
// for the word at the end of the text.)
QString PieceOf(const QString& text, int offset, QAccessible::TextBoundaryType boundary, int step, int* start,
                int* end) {
  *start = *end = -1;
  const auto length = static_cast<int>(text.size());
  if (offset < 0 || offset > length) return QString();
  // The pieces' limits, 0 and the length among them.
  QList<int> limits{0};
  if (boundary == QAccessible::CharBoundary || boundary == QAccessible::WordBoundary ||
      boundary == QAccessible::SentenceBoundary) {
    QTextBoundaryFinder finder(boundary == QAccessible::CharBoundary   ? QTextBoundaryFinder::Grapheme
                               : boundary == QAccessible::WordBoundary ? QTextBoundaryFinder::Word
                                                                       : QTextBoundaryFinder::Sentence,
                               text);
    // Each step moves on by at least one character: the walk ends.
    for (qsizetype at = finder.toNextBoundary(); at > limits.last() && at <= length; at = finder.toNextBoundary())
      limits << static_cast<int>(at);
  }
  if (limits.last() != length) limits << length;
  if (length == 0) return QString();
  // The piece holding `offset`; at the very end, the last piece.
  auto piece = static_cast<int>(std::upper_bound(limits.begin(), limits.end(), offset) - limits.begin()) - 1;
  piece = std::min(piece, static_cast<int>(limits.size()) - 2);
  piece += step;
  if (piece < 0 || piece + 1 >= limits.size()) return QString();
  *start = limits[piece];
  *end = limits[piece + 1];
  return text.mid(*start, *end - *start);
}

// A one-line text as screen readers read it: its pieces, and its attributes
// as one run over the whole text (Qt's own line edit gives each character an
// empty run, and Orca then reads a value one character short: "2" for 20).
// What it shows comes from `Shown`; a text with a caret and a selection
// gives them itself.
class OneLineText : public QAccessibleTextInterface {
 public:
  virtual QString Shown() const = 0;

  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    const bool inside = offset >= 0 && offset <= characterCount();
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? characterCount() : -1;
    return QString();
  }
  QString text(int startOffset, int endOffset) const override {
    const QString shown = Shown();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(shown.size()));
    if (endOffset < 0 || endOffset > shown.size()) endOffset = static_cast<int>(shown.size());
    return endOffset > startOffset ? shown.mid(startOffset, endOffset - startOffset) : QString();
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override {
    return PieceOf(Shown(), offset, boundaryType, -1, startOffset, endOffset);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override {
    return PieceOf(Shown(), offset, boundaryType, 1, startOffset, endOffset);
  }
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override {
    return PieceOf(Shown(), offset, boundaryType, 0, startOffset, endOffset);
  }
  int characterCount() const override { return static_cast<int>(Shown().size()); }

  // No caret and no selection, unless the text has them.
  void addSelection(int, int) override {}
  int cursorPosition() const override { return 0; }
  int selectionCount() const override { return 0; }
  void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
  void removeSelection(int) override {}
  void setCursorPosition(int) override {}
  void setSelection(int, int, int) override {}
  void scrollToSubstring(int, int) override {}
};

// A combo box is named like any other field: by its accessible name or the
// label that names it. (Qt's own interface on Linux gives the shown text as
// the name and leaves the label to a relation, so a screen reader read a
// material box as "0.025 Fz Stål Veloduct".) The shown text is the value.
class ComboBoxInterface : public QAccessibleWidget, public OneLineText {
 public:
  explicit ComboBoxInterface(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface && ShowsItemOnly()) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return 0; }
  QString Shown() const override { return Combo()->currentText(); }

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
  // A box the user cannot type into: no text field, or a read-only one.
  bool ShowsItemOnly() const { return !Combo()->lineEdit() || Combo()->lineEdit()->isReadOnly(); }
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
// the focus: the box itself is not focused as well. Its value, limits and
// step are a value a screen reader reads with the box.
class SpinBoxInterface : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit SpinBoxInterface(QSpinBox* box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QVariant currentValue() const override { return Box()->value(); }
  void setCurrentValue(const QVariant& value) override { Box()->setValue(value.toInt()); }
  QVariant maximumValue() const override { return Box()->maximum(); }
  QVariant minimumValue() const override { return Box()->minimum(); }
  QVariant minimumStepSize() const override { return Box()->singleStep(); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return static_cast<QAbstractSpinBox*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.focused = false;
    return s;
  }

 private:
  QSpinBox* Box() const { return static_cast<QSpinBox*>(widget()); }
};

// A line edit as screen readers read it: its text, caret and selection, and
// a change a screen reader makes to it.
class LineEditInterface : public QAccessibleWidget, public OneLineText, public QAccessibleEditableTextInterface {
 public:
  explicit LineEditInterface(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Shown();
    return QAccessibleWidget::text(t);
  }
  void setText(QAccessible::Text t, const QString& text) override {
    if (t == QAccessible::Value)
      Edit(Line()->text(), text);
    else
      QAccessibleWidget::setText(t, text);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    if (Line()->isReadOnly())
      s.readOnly = true;
    else
      s.editable = true;
    if (Line()->echoMode() != QLineEdit::Normal) s.passwordEdit = true;
    s.selectableText = true;
    return s;
  }

  // Text.
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  int cursorPosition() const override { return Line()->cursorPosition(); }
  QRect characterRect(int offset) const override {
    // Measured from the caret, which knows how far the text has scrolled.
    const QString shown = Line()->displayText();
    const QFontMetrics metrics(Line()->font());
    const QRect caret = Line()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.center().x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(Line()->cursorPosition()));
    const int width = offset < shown.size() ? metrics.horizontalAdvance(shown.mid(offset, 1)) : 1;
    return {Line()->mapToGlobal(QPoint(x, caret.y())), QSize(width, caret.height())};
  }
  int selectionCount() const override { return Line()->hasSelectedText() ? 1 : 0; }
  int offsetAtPoint(const QPoint& point) const override {
    return Line()->cursorPositionAt(Line()->mapFromGlobal(point));
  }
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Line()->hasSelectedText()) return;
    *startOffset = static_cast<int>(Line()->selectionStart());
    *endOffset = static_cast<int>(Line()->selectionEnd());
  }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) Line()->deselect();
  }
  void setCursorPosition(int position) override { Line()->setCursorPosition(position); }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) Line()->setSelection(startOffset, endOffset - startOffset);
  }
  void scrollToSubstring(int, int endIndex) override { Line()->setCursorPosition(endIndex); }

  // Editable text: a change by a screen reader is the user's own edit.
  void deleteText(int startOffset, int endOffset) override {
    QString text = Line()->text();
    if (startOffset < 0 || endOffset > text.size() || startOffset >= endOffset) return;
    Edit(text, text.remove(startOffset, endOffset - startOffset));
  }
  void insertText(int offset, const QString& inserted) override {
    QString text = Line()->text();
    if (offset < 0 || offset > text.size()) return;
    Edit(text, text.insert(offset, inserted));
  }
  void replaceText(int startOffset, int endOffset, const QString& replacement) override {
    QString text = Line()->text();
    if (startOffset < 0 || endOffset > text.size() || startOffset > endOffset) return;
    Edit(text, text.replace(startOffset, endOffset - startOffset, replacement));
  }

 private:
  QLineEdit* Line() const { return static_cast<QLineEdit*>(widget()); }
  // What a screen reader may read: nothing of a password.
  QString Shown() const override { return Line()->echoMode() == QLineEdit::Normal ? Line()->text() : QString(); }
  void Edit(const QString& before, const QString& after) {
    if (Line()->isReadOnly() || before == after) return;
    Line()->setText(after);
    // As typed: the field's change handler runs.
    emit Line()->textEdited(after);
  }
};

// A label telling a window's state, as a status bar named by its text.
class StatusInterface : public QAccessibleWidget {
 public:
  explicit StatusInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return static_cast<QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
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
  // Every line edit: the tabs' fields, the text fields of combo boxes and
  // spin boxes, a grid's cell editor, the file dialogs' fields.
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return new LineEditInterface(line);
  if (className == QLatin1String("TComboBox")) return new ComboBoxInterface(static_cast<QComboBox*>(widget));
  if (className == QLatin1String("TSpinEdit")) return new SpinBoxInterface(static_cast<QSpinBox*>(widget));
  if (className == QLatin1String("TPaintBox")) return new QAccessibleWidget(widget, QAccessible::Chart);
  // A frame that only groups fields (the power tab's flow and power) is a
  // panel: AT-SPI's "frame" is a window, and a screen reader drops the
  // focus in a window that is not active.
  if (className == QLatin1String("QFrame")) return new QAccessibleWidget(widget, QAccessible::Pane);
  if (widget->property(kNotice).toBool()) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (auto* label = qobject_cast<QLabel*>(widget); label && widget->property(kStatus).toBool())
    return new StatusInterface(label);
  if (className == QLatin1String("TPageControl")) return new PageTabListInterface(static_cast<TPageControl*>(widget));
  if (TPageControl* control = PageControlOf(widget); control && control->IndexOf(widget) >= 0)
    return new PageInterface(widget, control);
  return nullptr;
}

// A line edit selects its whole text when the Tab key brings the focus and
// drops the selection when the focus leaves. Said to a screen reader, the
// one comes before the field's name ("20 selected", then "Temp. C text, 20
// selected") and the other after the field is left ("Text unselected" at
// every Tab). The field's name with its selected value says it all, so the
// selection's news is kept back while the focus moves: the line edit's own
// text control, which sends it, is silent for the focus event.
class QuietFocusSelection : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (delivering_ || (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)) return false;
    // A combo box or spin box hands its focus events on to its text field.
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (auto* combo = qobject_cast<QComboBox*>(watched)) line = combo->lineEdit();
    if (qobject_cast<QAbstractSpinBox*>(watched)) line = watched->findChild<QLineEdit*>();
    if (!line || !QAccessible::isActive()) return false;
    QObject* control = TextControlOf(line);
    if (!control) return false;
    delivering_ = true;
    const bool wasBlocked = control->blockSignals(true);
    QCoreApplication::sendEvent(watched, event);
    control->blockSignals(wasBlocked);
    delivering_ = false;
    // What the silenced control asked for: the field drawn anew.
    line->update();
    return true;
  }

 private:
  static QObject* TextControlOf(QLineEdit* line) {
    for (QObject* child : line->children())
      if (child->inherits("QWidgetLineControl")) return child;
    return nullptr;
  }
  bool delivering_ = false;
};

}  // namespace

void InstallSpokenInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(SpokenInterface);
    if (QCoreApplication::instance())
      QCoreApplication::instance()->installEventFilter(new QuietFocusSelection(QCoreApplication::instance()));
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

void SpeakAsStatus(QWidget* label) { label->setProperty(kStatus, true); }

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
