#include "tools/driver.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMetaEnum>
#include <QMimeData>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QUrl>
#include <QWindow>

#include "app/aboutbox.h"
#include "app/mainwindow.h"
#include "app/record.h"
#include "tests/kit/recording_platform.h"

namespace {

const QStringList kPages = {"Kanalber", "Effekt", "Kvs", "Rorber", "CO2TabSheet"};

QString Flag(bool value) { return value ? "true" : "false"; }

// Each colour with its number of curves, in the order it was first drawn.
QString CurvesOf(const QList<TPaintBox::Stroke>& strokes) {
  QList<TColor> colours;
  QList<int> counts;
  for (const TPaintBox::Stroke& stroke : strokes) {
    const qsizetype at = colours.indexOf(stroke.colour);
    if (at < 0) {
      colours << stroke.colour;
      counts << 1;
    } else {
      ++counts[at];
    }
  }
  QStringList pairs;
  for (qsizetype i = 0; i < colours.size(); ++i) pairs << ColourName(colours[i]) + " " + QString::number(counts[i]);
  return pairs.isEmpty() ? QStringLiteral("none") : pairs.join(' ');
}

// The controls the driver names; inner parts (a combo box's edit line, a
// radio group's buttons, a grid's cell editor) count as their control.
bool IsControl(const QWidget* w) {
  return qobject_cast<const TEdit*>(w) || qobject_cast<const TComboBox*>(w) || qobject_cast<const TSpinEdit*>(w) ||
         qobject_cast<const TStringGrid*>(w) || qobject_cast<const TRadioGroup*>(w) ||
         qobject_cast<const QAbstractButton*>(w) || qobject_cast<const TPaintBox*>(w) ||
         qobject_cast<const TPageControl*>(w);
}

}  // namespace

Driver::Driver(QTextStream& out) : out_(out), platform_(std::make_unique<RecordingPlatform>()) {}

Driver::~Driver() = default;

int Driver::Run(QTextStream& in) {
  int status = 0;
  while (!in.atEnd()) {
    QString line = in.readLine();
    ++lineNo_;
    while (line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    try {
      Execute(line);
    } catch (const LineError& error) {
      out_ << "ERROR line " << lineNo_ << ": " << error.message << " (" << line << ")\n";
      status = 2;
      break;
    }
    out_.flush();
  }
  out_ << passed_ << " passed, " << failed_ << " failed\n";
  out_.flush();
  if (status == 0 && failed_ > 0) status = 1;
  return status;
}

QStringList Driver::Words(const QString& text, int count, QString* tail) {
  QStringList words;
  qsizetype at = 0;
  for (int i = 0; i < count; ++i) {
    if (at > text.size()) throw LineError{"too few words"};
    const qsizetype blank = text.indexOf(' ', at);
    const qsizetype end = blank < 0 ? text.size() : blank;
    if (end == at) throw LineError{"empty word"};
    words << text.mid(at, end - at);
    at = end + 1;
  }
  if (tail) {
    QString rest = at <= text.size() ? text.mid(at) : QString();
    while (rest.endsWith(' ')) rest.chop(1);
    *tail = rest;
  } else if (at <= text.size()) {
    throw LineError{"too many words"};
  }
  return words;
}

int Driver::Number(const QString& word) {
  bool ok = false;
  const int value = word.toInt(&ok);
  if (!ok) throw LineError{"not a number: " + word};
  return value;
}

QString Driver::Escape(QString text) {
  text.replace("\r", "\\r");
  text.replace("\n", "\\n");
  text.replace("\t", "\\t");
  return text;
}

void Driver::Execute(const QString& line) {
  const int blank = line.indexOf(' ');
  const QString command = blank < 0 ? line : line.left(blank);
  const QString rest = blank < 0 ? QString() : line.mid(blank + 1);

  if (command == "expect") {
    QString query;
    QString expected;
    const int eq = rest.indexOf(" = ");
    if (eq >= 0) {
      query = rest.left(eq);
      expected = rest.mid(eq + 3);
    } else if (rest.endsWith(" =")) {
      query = rest.left(rest.size() - 2);
    } else {
      throw LineError{"expect needs ' = '"};
    }
    while (expected.endsWith(' ')) expected.chop(1);
    // The program's version is written once, in the build; a scenario names
    // it by ${PLUVIK_VERSION}.
    expected.replace(QStringLiteral("${PLUVIK_VERSION}"), QStringLiteral(PLUVIK_VERSION));
    const QString actual = Query(query);
    QString compared = actual;
    while (compared.endsWith(' ')) compared.chop(1);
    if (compared == expected) {
      ++passed_;
      out_ << "ok\n";
    } else {
      ++failed_;
      out_ << "FAIL line " << lineNo_ << ": " << query << ": expected '" << expected << "', got '" << actual << "'\n";
    }
    return;
  }
  if (SetUp(command, rest)) return;
  if (Queries().contains(command)) {
    out_ << Query(line) << "\n";
    return;
  }
  Act(command, rest);
}

bool Driver::SetUp(const QString& command, const QString& rest) {
  if (command == "palette") {
    if (form_) throw LineError{"palette must come before start"};
    if (rest != "dark") throw LineError{"palette is dark"};
    // A dark Fusion palette, as a dark desktop theme gives the program.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(DarkDesktopPalette());
    return true;
  }
  if (command == "separator" || command == "screen" || command == "programdir") {
    if (form_) throw LineError{command + " must come before start"};
    if (command == "separator") {
      if (rest != "." && rest != ",") throw LineError{"separator is . or ,"};
      platform_->separator = rest.front();
    } else if (command == "screen") {
      const QStringList w = Words(rest, 2);
      platform_->screen = QSize(Number(w[0]), Number(w[1]));
    } else {
      if (rest.isEmpty()) throw LineError{"programdir needs a folder"};
      platform_->programDir = rest;
    }
    return true;
  }
  if (command == "about") {
    platform_->aboutLanguageSet = true;
    platform_->aboutLanguage = rest;
    while (platform_->aboutLanguage.endsWith(' ')) platform_->aboutLanguage.chop(1);
    return true;
  }
  if (command == "aboutmanual") {
    platform_->aboutManual = true;
    return true;
  }
  if (command == "savefile") {
    platform_->saveFile = rest;
    return true;
  }
  if (command == "openfile") {
    platform_->openFile = rest;
    return true;
  }
  if (command == "clock") {
    const QDateTime at = QDateTime::fromString(rest, Qt::ISODate);
    if (!at.isValid()) throw LineError{"clock needs a date and time as 2026-12-10T14:30:00"};
    platform_->now = at;
    return true;
  }
  if (command == "documents") {
    platform_->documents = rest;
    return true;
  }
  if (command == "start") {
    if (form_) throw LineError{"started already"};
    Start();
    return true;
  }
  return false;
}

void Driver::Start() {
  form_ = std::make_unique<TForm1>(*platform_);
  // The about box belongs to the main window, as in the program.
  about_ = std::make_unique<TAboutBox>(*platform_, form_.get());
  form_->AttachAboutBox(about_.get());
  form_->show();
  form_->activateWindow();
  if (!QTest::qWaitForWindowActive(form_.get(), 2000)) QApplication::setActiveWindow(form_.get());
  Settle();
}

QWidget* Driver::Reach(QWidget* control) {
  // A click or a focus step into another window of the program activates
  // that window first, as on a desktop.
  QWidget* window = control->window();
  if (window->isVisible() && QApplication::activeWindow() != window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window, 2000)) QApplication::setActiveWindow(window);
    Settle();
  }
  return control;
}

void Driver::Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QWidget* Driver::Control(const QString& name) const {
  if (name == "Form1") return form_.get();
  if (name == "AboutBox") return about_.get();
  if (QWidget* w = form_->findChild<QWidget*>(name)) return w;
  if (QWidget* w = about_->findChild<QWidget*>(name)) return w;
  throw LineError{"unknown control " + name};
}

template <typename T>
T* Driver::ControlAs(const QString& name) const {
  if (auto* control = qobject_cast<T*>(Control(name))) return control;
  throw LineError{name + " is not that kind of control"};
}

QString Driver::FocusedName() const {
  QWidget* w = QApplication::focusWidget();
  while (w && !IsControl(w)) w = w->parentWidget();
  if (!w) return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
  while (w->parentWidget() && IsControl(w->parentWidget())) w = w->parentWidget();
  return w->objectName();
}

QString Driver::Query(const QString& query) {
  if (!form_) Start();
  const int blank = query.indexOf(' ');
  const QString what = blank < 0 ? query : query.left(blank);
  const QString rest = blank < 0 ? QString() : query.mid(blank + 1);
  const auto found = Queries().constFind(what);
  if (found == Queries().constEnd()) throw LineError{"unknown query " + what};
  return (*found)(*this, rest);
}

const QHash<QString, Driver::QueryFunction>& Driver::Queries() {
  // Each query by its name: what it prints for the rest of its line.
  static const QHash<QString, QueryFunction> queries{
      {"focused", [](Driver& d, const QString&) { return d.FocusedName(); }},
      {"clipboard", [](Driver& d, const QString&) { return Escape(d.platform_->clipboard); }},
      {"clipboardhtml", [](Driver& d, const QString&) { return Escape(d.platform_->clipboardHtml); }},
      {"exists", [](Driver&, const QString& rest) { return Flag(QFileInfo::exists(rest)); }},
      {"fileline",
       [](Driver&, const QString& rest) {
         // Line N of a text file written by the program, as UTF-8; a byte
         // order mark prints as \ufeff.
         QString path;
         const QStringList w = Words(rest, 1, &path);
         QFile file(path);
         if (!file.open(QIODevice::ReadOnly)) throw LineError{"cannot read " + path};
         QByteArray bytes = file.readAll();
         const bool marked = bytes.startsWith("\xEF\xBB\xBF");
         if (marked) bytes.remove(0, 3);
         const QStringList lines = QString::fromUtf8(bytes).split('\n');
         const int n = Number(w[0]);
         if (n < 1 || n > lines.size()) throw LineError{"no line " + w[0] + " in " + path};
         return (marked && n == 1 ? QStringLiteral("\\ufeff") : QString()) + Escape(lines[n - 1]);
       }},
      {"clipboardline",
       [](Driver& d, const QString& rest) {
         const QStringList lines = d.platform_->clipboard.split('\n');
         const int n = Number(rest);
         if (n < 1 || n > lines.size()) throw LineError{"no clipboard line " + rest};
         return Escape(lines[n - 1]);
       }},
      {"messages",
       [](Driver& d, const QString&) {
         const QStringList messages = d.platform_->TakeMessages();
         return messages.isEmpty() ? QStringLiteral("none") : Escape(messages.join(" | "));
       }},
      {"size",
       [](Driver& d, const QString&) {
         const QSize outer = d.form_->OuterSize();
         return QString("%1 %2").arg(outer.width()).arg(outer.height());
       }},
      {"pos",
       [](Driver& d, const QString&) {
         return QString("%1 %2").arg(d.form_->OuterPos().x()).arg(d.form_->OuterPos().y());
       }},
      {"var",
       [](Driver& d, const QString& rest) {
         const auto value = d.form_->VarText(rest);
         if (!value) throw LineError{"unknown value " + rest};
         return Escape(*value);
       }},
      {"curves", [](Driver& d, const QString& rest) { return CurvesOf(d.ControlAs<TPaintBox>(rest)->Strokes()); }},
      {"curve",
       [](Driver& d, const QString& rest) {
         const QStringList w = Words(rest, 2);
         const QList<TPaintBox::Stroke>& strokes = d.ControlAs<TPaintBox>(w[0])->Strokes();
         const int k = Number(w[1]);
         if (k < 1 || k > strokes.size()) throw LineError{"no curve " + w[1]};
         const TPaintBox::Stroke& stroke = strokes[k - 1];
         QStringList parts{ColourName(stroke.colour)};
         for (const QPoint& p : stroke.points) parts << QString("%1,%2").arg(p.x()).arg(p.y());
         return parts.join(' ');
       }},
      {"sharp", [](Driver& d, const QString& rest) { return d.Sharp(rest); }},
      {"accessiblecell",
       [](Driver& d, const QString& rest) {
         // What a screen reader hears for a data cell (row 1 is the first row
         // under the headings).
         const QStringList w = Words(rest, 3);
         QAccessibleInterface* face = QAccessible::queryAccessibleInterface(d.ControlAs<TStringGrid>(w[0]));
         QAccessibleTableInterface* table = face ? face->tableInterface() : nullptr;
         QAccessibleInterface* cell = table ? table->cellAt(Number(w[2]) - 1, Number(w[1])) : nullptr;
         if (!cell) throw LineError{"no cell " + w[1] + " " + w[2]};
         return Escape(cell->text(QAccessible::Name));
       }},
      {"cell",
       [](Driver& d, const QString& rest) {
         const QStringList w = Words(rest, 3);
         return Escape(d.ControlAs<TStringGrid>(w[0])->Cell(Number(w[1]), Number(w[2])));
       }},
      {"cellcolour",
       [](Driver& d, const QString& rest) {
         const QStringList w = Words(rest, 3);
         return d.ControlAs<TStringGrid>(w[0])->CellColours(Number(w[1]), Number(w[2]));
       }},
      {"colwidth",
       [](Driver& d, const QString& rest) {
         const QStringList w = Words(rest, 2);
         return QString::number(d.ControlAs<TStringGrid>(w[0])->ColWidth(Number(w[1])));
       }},
      {"rows",
       [](Driver& d, const QString& rest) { return QString::number(d.ControlAs<TStringGrid>(rest)->RowCount()); }},
      {"toprow",
       [](Driver& d, const QString& rest) { return QString::number(d.ControlAs<TStringGrid>(rest)->TopRow()); }},
      {"current",
       [](Driver& d, const QString& rest) {
         const auto* grid = d.ControlAs<TStringGrid>(rest);
         return QString("%1 %2").arg(grid->Col()).arg(grid->Row());
       }},
      {"text", [](Driver& d, const QString& rest) { return d.TextOf(rest); }},
      {"label",
       [](Driver& d, const QString& rest) {
         if (auto* e = qobject_cast<TEdit*>(d.Control(rest))) return Escape(e->LabelCaption());
         throw LineError{rest + " has no attached label"};
       }},
      {"hint", [](Driver& d, const QString& rest) { return Escape(Hint(d.Control(rest))); }},
      {"colour", [](Driver& d, const QString& rest) { return ColourName(Background(d.Control(rest))); }},
      {"readonly",
       [](Driver& d, const QString& rest) {
         QWidget* control = d.Control(rest);
         if (auto* e = qobject_cast<QLineEdit*>(control)) return Flag(e->isReadOnly());
         if (auto* c = qobject_cast<QComboBox*>(control)) return Flag(c->lineEdit() && c->lineEdit()->isReadOnly());
         if (auto* s = qobject_cast<QAbstractSpinBox*>(control)) return Flag(s->isReadOnly());
         return Flag(false);
       }},
      {"accessible",
       [](Driver& d, const QString& rest) {
         // The role and name a screen reader is given for the control.
         QAccessibleInterface* face = QAccessible::queryAccessibleInterface(d.Control(rest));
         if (!face) return QStringLiteral("none");
         const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(face->role());
         return Escape(QString::fromLatin1(role ? role : "?") + '|' + face->text(QAccessible::Name));
       }},
      {"description",
       [](Driver& d, const QString& rest) {
         QAccessibleInterface* face = QAccessible::queryAccessibleInterface(d.Control(rest));
         return face ? Escape(face->text(QAccessible::Description)) : QStringLiteral("none");
       }},
      {"enabled", [](Driver& d, const QString& rest) { return Flag(d.Control(rest)->isEnabled()); }},
      {"visible",
       [](Driver& d, const QString& rest) {
         QWidget* control = d.Control(rest);
         return Flag(control == d.form_.get() ? control->isVisible() : !control->isHidden());
       }},
      {"checked",
       [](Driver& d, const QString& rest) {
         if (auto* b = qobject_cast<QAbstractButton*>(d.Control(rest))) return Flag(b->isChecked());
         throw LineError{rest + " cannot be checked"};
       }},
      {"index",
       [](Driver& d, const QString& rest) {
         QWidget* control = d.Control(rest);
         if (auto* c = qobject_cast<TComboBox*>(control)) return QString::number(c->ItemIndex());
         if (auto* g = qobject_cast<TRadioGroup*>(control)) return QString::number(g->ItemIndex());
         if (auto* t = qobject_cast<TPageControl*>(control)) return QString::number(t->IndexOf(t->ActivePage()));
         throw LineError{rest + " has no items"};
       }},
      {"items",
       [](Driver& d, const QString& rest) {
         QWidget* control = d.Control(rest);
         if (auto* c = qobject_cast<TComboBox*>(control)) return Escape(c->Items().join('|'));
         if (auto* g = qobject_cast<TRadioGroup*>(control)) return Escape(g->Items().join('|'));
         throw LineError{rest + " has no items"};
       }},
      {"dropdown",
       [](Driver& d, const QString& rest) {
         if (auto* c = qobject_cast<TComboBox*>(d.Control(rest))) return Flag(c->DropDown());
         throw LineError{rest + " is not a combo box"};
       }},
  };
  return queries;
}

QString Driver::TextOf(const QString& name) {
  QWidget* control = Control(name);
  if (control == form_.get() || control == about_.get()) return Escape(control->windowTitle());
  if (kPages.contains(name)) return Escape(form_->PageControl1->Caption(form_->PageControl1->IndexOf(control)));
  if (auto* e = qobject_cast<QLineEdit*>(control)) return Escape(e->text());
  if (auto* c = qobject_cast<QComboBox*>(control)) return Escape(c->currentText());
  if (auto* s = qobject_cast<TSpinEdit*>(control)) return Escape(s->Text());
  if (auto* l = qobject_cast<QLabel*>(control)) return Escape(l->text());
  if (auto* b = qobject_cast<QAbstractButton*>(control)) return Escape(b->text());
  if (auto* g = qobject_cast<QGroupBox*>(control)) return Escape(g->title());
  return Escape(control->windowTitle());
}

QString Driver::Sharp(const QString& name) {
  // A picture drawn at a device pixel ratio of 2 or more, not a 1x image
  // blown up: some aligned 2 x 2 block of its pixels differs within itself.
  // The chart's canvas or a label's picture.
  QWidget* control = Control(name);
  QImage image;
  if (auto* box = qobject_cast<TPaintBox*>(control))
    image = box->Image();
  else if (auto* label = qobject_cast<QLabel*>(control))
    image = label->pixmap().toImage();
  else
    throw LineError{name + " shows no picture"};
  if (image.devicePixelRatio() < 2.0) return "false";
  for (int y = 0; y + 1 < image.height(); y += 2)
    for (int x = 0; x + 1 < image.width(); x += 2) {
      const QRgb corner = image.pixel(x, y);
      if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner || image.pixel(x + 1, y + 1) != corner)
        return "true";
    }
  return "false";
}

void Driver::ClickButton(QWidget* widget) {
  QPoint at = widget->rect().center();
  // A check box or radio button reacts where its box and caption are.
  if (auto* box = qobject_cast<QCheckBox*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(box);
    at = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
  } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(radio);
    at = radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, radio).center();
  }
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

QWindow* Driver::KeyWindow() const {
  // Keys reach the program as the system delivers them: to the window that
  // has the keyboard focus, which hands them to its focused control.
  if (QWindow* focused = QGuiApplication::focusWindow()) return focused;
  form_->winId();
  return form_->windowHandle();
}

void Driver::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  const QString text = key == Qt::Key_Return ? "\r" : key == Qt::Key_Space ? " " : QString();
  QTest::sendKeyEvent(QTest::Click, KeyWindow(), key, text, modifiers);
}

void Driver::TypeText(const QString& text) {
  for (const QChar c : text) {
    const char latin = c.toLatin1();
    if (c.unicode() < 128 && latin >= ' ')
      QTest::keyClick(KeyWindow(), latin);
    else
      QTest::sendKeyEvent(QTest::Click, KeyWindow(), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void Driver::PressKey(const QString& keyName) {
  static const QMap<QString, Qt::Key> keys = {{"Enter", Qt::Key_Return},
                                              {"F1", Qt::Key_F1},
                                              {"Tab", Qt::Key_Tab},
                                              {"Escape", Qt::Key_Escape},
                                              {"Up", Qt::Key_Up},
                                              {"Down", Qt::Key_Down},
                                              {"Left", Qt::Key_Left},
                                              {"Right", Qt::Key_Right},
                                              {"Home", Qt::Key_Home},
                                              {"End", Qt::Key_End},
                                              {"Backspace", Qt::Key_Backspace},
                                              {"Delete", Qt::Key_Delete},
                                              {"Space", Qt::Key_Space},
                                              {"PageUp", Qt::Key_PageUp},
                                              {"PageDown", Qt::Key_PageDown}};
  Qt::KeyboardModifiers modifiers;
  QString name = keyName;
  for (;;) {
    if (name.startsWith("Shift+")) {
      modifiers |= Qt::ShiftModifier;
      name = name.mid(6);
    } else if (name.startsWith("Ctrl+")) {
      modifiers |= Qt::ControlModifier;
      name = name.mid(5);
    } else {
      break;
    }
  }
  // A letter, as in Ctrl+C.
  if (name.size() == 1 && name.front().isLetter() && name.front().unicode() < 128) {
    const auto key = static_cast<Qt::Key>(Qt::Key_A + (name.front().toUpper().unicode() - 'A'));
    const QString text = modifiers.testFlag(Qt::ControlModifier) ? QString() : name.toLower();
    QTest::sendKeyEvent(QTest::Click, KeyWindow(), key, text, modifiers);
    return;
  }
  if (!keys.contains(name)) throw LineError{"unknown key " + keyName};
  Qt::Key key = keys.value(name);
  if (key == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier)) key = Qt::Key_Backtab;
  Key(key, modifiers);
}

void Driver::DropFile(const QString& path) {
  // A file dragged from a file manager and dropped in the middle of the
  // window: the drag enters, moves and drops, as Qt delivers them.
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())});
  const QPointF at = QRectF(form_->rect()).center();
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &enter);
  if (!enter.isAccepted()) return;
  QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &move);
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(form_.get(), &drop);
  Settle();
}

void Driver::Act(const QString& command, const QString& rest) {
  if (!form_) Start();
  if (command == "tab") {
    if (!kPages.contains(rest)) throw LineError{"unknown page " + rest};
    TPageControl* pages = form_->PageControl1;
    const int index = pages->IndexOf(Control(rest));
    QTest::mouseClick(pages, Qt::LeftButton, Qt::NoModifier, pages->TabRect(index).center());
  } else if (command == "focus") {
    QWidget* w = Reach(Control(rest));
    w->setFocus(Qt::TabFocusReason);
  } else if (command == "drop") {
    DropFile(rest);
  } else if (command == "type") {
    QString text;
    const QStringList w = Words(rest, 1, &text);
    QWidget* control = Reach(Control(w[0]));
    QWidget* target = control;
    if (auto* c = qobject_cast<QComboBox*>(control)) target = c->lineEdit();
    if (auto* s = qobject_cast<TSpinEdit*>(control)) target = s->findChild<QLineEdit*>();
    if (!qobject_cast<QLineEdit*>(target)) throw LineError{w[0] + " takes no typing"};
    control->setFocus(Qt::MouseFocusReason);
    Settle();
    Key(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
      Key(Qt::Key_Delete);
    else
      TypeText(text);
  } else if (command == "click") {
    ClickButton(Reach(Control(rest)));
  } else if (command == "dblclick") {
    QWidget* w = Reach(Control(rest));
    if (auto* c = qobject_cast<QComboBox*>(w)) w = c->lineEdit();
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
  } else if (command == "choose") {
    const QStringList w = Words(rest, 2);
    QWidget* control = Reach(Control(w[0]));
    const int index = Number(w[1]);
    if (auto* group = qobject_cast<TRadioGroup*>(control)) {
      QRadioButton* button = group->Button(index);
      if (!button) throw LineError{"no item " + w[1]};
      ClickButton(button);
    } else if (auto* combo = qobject_cast<TComboBox*>(control)) {
      if (index < 0 || index >= combo->count()) throw LineError{"no item " + w[1]};
      combo->setFocus(Qt::MouseFocusReason);
      combo->showPopup();
      Settle();
      QAbstractItemView* view = combo->view();
      if (!combo->DropDown() || !view->isVisible()) throw LineError{w[0] + " offers no list"};
      const QModelIndex item = view->model()->index(index, combo->modelColumn());
      view->scrollTo(item);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(item).center());
    } else {
      throw LineError{w[0] + " has no items"};
    }
  } else if (command == "spin") {
    const QStringList w = Words(rest, 2);
    auto* spin = ControlAs<TSpinEdit>(w[0]);
    Reach(spin);
    spin->setFocus(Qt::MouseFocusReason);
    Settle();
    Key(Qt::Key_A, Qt::ControlModifier);
    TypeText(w[1]);
  } else if (command == "select" || command == "typecell") {
    QString text;
    const QStringList w = command == "select" ? Words(rest, 3) : Words(rest, 3, &text);
    auto* grid = ControlAs<TStringGrid>(w[0]);
    Reach(grid);
    const int col = Number(w[1]);
    const int row = Number(w[2]);
    if (col < 0 || col >= grid->ColCount() || row < 0 || row >= grid->RowCount())
      throw LineError{"no cell " + w[1] + " " + w[2]};
    grid->setFocus(Qt::MouseFocusReason);
    if (row == 0) {
      QHeaderView* header = grid->horizontalHeader();
      QTest::mouseClick(
          header->viewport(), Qt::LeftButton, Qt::NoModifier,
          QPoint(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2));
    } else {
      const QModelIndex index = grid->model()->index(row - 1, col);
      grid->scrollTo(index);
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
    }
    if (command == "typecell") {
      Settle();
      TypeText(text);
    }
  } else if (command == "key") {
    PressKey(rest);
  } else if (command == "resize") {
    const QStringList w = Words(rest, 2);
    form_->SetOuterSize(Number(w[0]), Number(w[1]));
  } else if (command == "recordshot") {
    // The first page of the active tab's record, as the PDF holds it.
    if (rest.isEmpty()) throw LineError{"recordshot needs a file"};
    Settle();
    if (!RecordPicture(form_->ActiveRecord(), 100).save(rest, "PNG")) throw LineError{"cannot write " + rest};
  } else if (command == "windowshot") {
    // Another window of the program, the run window: WINDOW FILE.
    QString file;
    const QStringList w = Words(rest, 1, &file);
    if (file.isEmpty()) throw LineError{"windowshot needs a window and a file"};
    Settle();
    if (!Control(w[0])->window()->grab().save(file, "PNG")) throw LineError{"cannot write " + file};
  } else if (command == "shot") {
    if (rest.isEmpty()) throw LineError{"shot needs a file"};
    Settle();
    if (!form_->grab().save(rest, "PNG")) throw LineError{"cannot write " + rest};
  } else {
    throw LineError{"unknown command " + command};
  }
  Settle();
}
