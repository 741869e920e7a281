// The main window as a user meets it: start-up, activation and the about box,
// tab switches and window sizes, keys, number texts on both decimal systems,
// the error report and the manual. Runs offscreen with the recording platform,
// so no real modal box can block; controls are found by name.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>

#include "app/aboutbox.h"
#include "app/duct_run_window.h"
#include "app/mainwindow.h"
#include "app/record.h"
#include "app/widgets/combobox.h"
#include "calc/errors.h"
#include "lang/texts.h"
#include "tests/kit/recording_platform.h"

namespace {

// What a screen reader must be able to name: fields, boxes, buttons, groups,
// grids, pictures, the chart and texts.
const QList<QAccessible::Role> kSpokenRoles = {
    QAccessible::EditableText, QAccessible::ComboBox, QAccessible::SpinBox,   QAccessible::CheckBox,
    QAccessible::RadioButton,  QAccessible::Grouping, QAccessible::Table,     QAccessible::Button,
    QAccessible::Chart,        QAccessible::Graphic,  QAccessible::StaticText};
// Controls whose own text field is heard by their name.
const QList<QAccessible::Role> kInnerRoles = {QAccessible::ComboBox, QAccessible::SpinBox};

// A started program: the main window shown and activated, its about box
// answered by the recording platform.
struct Program {
  explicit Program(QChar separator = '.', QSize screen = {1920, 1080}, const QString& programDir = QString()) {
    platform.separator = separator;
    platform.screen = screen;
    platform.programDir = programDir;
    form = std::make_unique<TForm1>(platform);
    about = std::make_unique<TAboutBox>(platform, form.get());
    form->AttachAboutBox(about.get());
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("main window not active");
  }
  ~Program() { form->hide(); }

  template <typename T>
  T* Find(const QString& name) const {
    T* control = form->findChild<T*>(name);
    if (!control) qFatal("no control %s", qPrintable(name));
    return control;
  }

  void ClickTab(QWidget* page) {
    TPageControl* pages = form->PageControl1;
    QTest::mouseClick(pages, Qt::LeftButton, Qt::NoModifier, pages->TabRect(pages->IndexOf(page)).center());
  }

  // Focuses a field, replaces its text key by key, and leaves it.
  void TypeAndLeave(TEdit* edit, const QString& text, QWidget* next) {
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, text);
    next->setFocus(Qt::TabFocusReason);
  }

  QSize Size() const { return form->OuterSize(); }

  RecordingPlatform platform;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<TAboutBox> about;
};

// The contrast ratio of two colours as WCAG defines it, 1 to 21.
double ContrastRatio(QRgb a, QRgb b) {
  const auto luminance = [](QRgb c) {
    const auto linear = [](int v) {
      const double s = v / 255.0;
      return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of what a control draws on its background, from its pixels:
// the background is the colour most of its inside shows, the text the pixel
// that stands out from it most (the core of a letter). 0 when nothing stands
// out, as in an empty field. A group box is drawn without the controls in
// it, whose colours are their own.
double DrawnContrast(QWidget* control) {
  QImage image(control->size(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  const QWidget::RenderFlags flags = qobject_cast<QGroupBox*>(control)
                                         ? QWidget::RenderFlags(QWidget::DrawWindowBackground)
                                         : QWidget::RenderFlags(QWidget::DrawWindowBackground | QWidget::DrawChildren);
  // What lies behind a control that fills no background of its own.
  QPainter behind(&image);
  behind.fillRect(image.rect(), control->parentWidget()->palette().color(control->parentWidget()->backgroundRole()));
  behind.end();
  control->render(&image, QPoint(), QRegion(), flags);
  QHash<QRgb, int> counts;
  const QRect inside = image.rect().adjusted(2, 2, -2, -2);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000u];
  QRgb ground = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    if (it.value() > counts.value(ground)) ground = it.key();
  // The chart writes its figures in black among lines of other colours
  // (yellow grid lines stand out on any ground): its text is the black.
  if (qobject_cast<TPaintBox*>(control))
    return counts.contains(qRgb(0, 0, 0)) ? ContrastRatio(ground, qRgb(0, 0, 0)) : 0.0;
  double most = 0.0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) most = std::max(most, ContrastRatio(ground, it.key()));
  return most < 1.5 ? 0.0 : most;
}

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  // State: a new program. Action: it starts. Expected: the caption, the
  // about box exactly once, and the start page.
  void starts_with_caption_and_about_box_once() {
    Program program;
    QCOMPARE(program.form->windowTitle(), QStringLiteral("Tellvik - PLUVIK, Version " PLUVIK_VERSION));
    QCOMPARE(program.platform.TakeMessages(), QStringList{"about"});
    QCOMPARE(program.about->Version->text(), QStringLiteral("Version " PLUVIK_VERSION));
    QVERIFY(program.form->GOmboxVisad);
    QCOMPARE(program.form->PageControl1->ActivePage(), program.form->Kanalber);
    QVERIFY(program.form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // Another window takes the activation and gives it back: no second box.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    program.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.form.get()));
    QCOMPARE(program.platform.TakeMessages(), QStringList{});
  }

  void f1_shows_about_box_and_repeats_activation() {
    Program program(',');
    program.platform.TakeMessages();
    program.form->Ytrahet->SetText("junk");
    program.form->Flow->setFocus();
    QTest::keyClick(program.form->windowHandle(), Qt::Key_F1);
    QCOMPARE(program.platform.TakeMessages(), QStringList{"about"});
    // The activation steps ran again: the roughness of the first material.
    QCOMPARE(program.form->Ytrahet->Text(), QStringLiteral("0,025 "));
    QVERIFY(program.form->isActiveWindow());
  }

  void decimal_separator_probe_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<bool>("decimalPunkt");
    QTest::addColumn<QString>("roughness");
    QTest::newRow("comma system") << QChar(',') << false << "0,025 ";
    QTest::newRow("point system") << QChar('.') << true << "0.025 ";
  }
  void decimal_separator_probe() {
    QFETCH(QChar, separator);
    QFETCH(bool, decimalPunkt);
    QFETCH(QString, roughness);
    Program program(separator);
    QCOMPARE(program.form->GDecimalPunkt, decimalPunkt);
    // Activation writes the material's roughness with the system separator,
    // followed by its blank.
    QCOMPARE(program.form->Ytrahet->Text(), roughness);
  }

  void leaving_a_duct_field_swaps_the_separator_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("comma system: 2.5 becomes 2,5") << QChar(',') << "2.5"
                                                   << "2,5";
    QTest::newRow("comma system: 1.234,5 swaps only the first point") << QChar(',') << "1.234,5"
                                                                      << "1,234,5";
    QTest::newRow("comma system: 2,5 stays") << QChar(',') << "2,5"
                                             << "2,5";
    QTest::newRow("point system: 2,5 becomes 2.5") << QChar('.') << "2,5"
                                                   << "2.5";
    QTest::newRow("point system: 1,2,3 swaps only the first comma") << QChar('.') << "1,2,3"
                                                                    << "1.2,3";
  }
  void leaving_a_duct_field_swaps_the_separator() {
    QFETCH(QChar, separator);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Program program(separator);
    TForm1& f = *program.form;
    for (TEdit* field : {f.Flow, f.MaxMeterPerSek, f.MaxPaPerMeter, f.Temperatur}) {
      program.TypeAndLeave(field, typed, field == f.Flow ? f.MaxMeterPerSek : f.Flow);
      QCOMPARE(field->Text(), shown);
    }
  }

  void flow_and_temperature_colour_as_typed() {
    Program program;
    TForm1& f = *program.form;
    program.TypeAndLeave(f.Flow, "12", f.Temperatur);
    QCOMPARE(ColourName(f.Flow->Color()), QStringLiteral("clWindow"));
    program.TypeAndLeave(f.Flow, "", f.Temperatur);
    QCOMPARE(ColourName(f.Flow->Color()), QStringLiteral("clRed"));
    program.TypeAndLeave(f.Temperatur, "2e", f.Flow);
    QCOMPARE(ColourName(f.Temperatur->Color()), QStringLiteral("clRed"));
    program.TypeAndLeave(f.Temperatur, "2e1", f.Flow);
    QCOMPARE(ColourName(f.Temperatur->Color()), QStringLiteral("clWindow"));
  }

  void co2_tab_takes_largest_size_and_leaving_restores_the_saved_one() {
    Program program;
    TForm1& f = *program.form;
    const QSize start = program.Size();
    program.ClickTab(f.CO2TabSheet);
    QCOMPARE(program.Size(), QSize(800, 400));
    // A size given on the CO2 tab is not kept.
    f.SetOuterSize(700, 300);
    program.ClickTab(f.Kanalber);
    QCOMPARE(program.Size(), start);

    // A size given on another tab is kept across tabs.
    program.ClickTab(f.Kvs);
    f.SetOuterSize(600, 200);
    program.ClickTab(f.Rorber);
    QCOMPARE(program.Size(), QSize(600, 200));
    program.ClickTab(f.CO2TabSheet);
    program.ClickTab(f.Effekt);
    QCOMPARE(program.Size(), QSize(600, 200));
  }

  void co2_tab_stays_on_screen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("narrow low screen: moved left and up") << QSize(700, 500) << QPoint(-100, 100);
    QTest::newRow("large screen: stays centred for the strip") << QSize(1920, 1080) << QPoint(686, 483);
  }
  void co2_tab_stays_on_screen() {
    QFETCH(QSize, screen);
    QFETCH(QPoint, position);
    Program program('.', screen);
    program.ClickTab(program.form->CO2TabSheet);
    QTRY_COMPARE(program.form->OuterPos(), position);
  }

  // The tabs stand on the right and wrap into columns, so all five show even
  // in the low strip the window starts as.
  void all_five_tabs_show_in_the_start_strip() {
    Program program;
    TPageControl* pages = program.form->PageControl1;
    QCOMPARE(pages->PageCount(), 5);
    for (int i = 0; i < pages->PageCount(); ++i) {
      const QRect tab = pages->TabRect(i);
      QVERIFY2(pages->rect().contains(tab), qPrintable(pages->Caption(i)));
      QVERIFY2(tab.left() >= pages->PageRect().right(), qPrintable(pages->Caption(i) + " overlaps the page"));
      for (int j = 0; j < i; ++j) QVERIFY(!tab.intersects(pages->TabRect(j)));
    }
  }

  void window_size_limits() {
    Program program;
    TForm1& f = *program.form;
    f.SetOuterSize(100, 50);
    QCOMPARE(program.Size(), QSize(495, 113));
    f.SetOuterSize(2000, 2000);
    QCOMPARE(program.Size(), QSize(800, 400));
  }

  void result_grid_follows_the_window() {
    Program program;
    TForm1& f = *program.form;
    f.SetOuterSize(700, 300);
    QCOMPARE(f.StringGrid1->x() + f.StringGrid1->width(), f.Kanalber->width() - 1);
    // The velocity and pressure drop columns fit their heading; the dimension
    // column takes the rest of the grid.
    const int lines = f.StringGrid1->GridLineWidth() * 3;
    const int scroll = f.StringGrid1->ShowsVerticalScrollBar() ? f.platform().ScrollBarWidth() + 3 : 3;
    QCOMPARE(f.StringGrid1->ColWidth(0), f.StringGrid1->ColWidth(1));
    QCOMPARE(f.StringGrid1->ColWidth(0) + f.StringGrid1->ColWidth(1) + f.StringGrid1->ColWidth(2) + lines + scroll,
             f.StringGrid1->width());
  }

  // A fault in a change handler run by a typed key ends that handler with the
  // error report, and the program goes on taking keys.
  void fault_in_a_typed_change_is_reported_and_the_program_goes_on() {
    Program program;
    program.platform.TakeMessages();
    TEdit* flow = program.form->Flow;
    int changes = 0;
    flow->OnChange = [&] {
      ++changes;
      throw calc::ZeroDivideError();
    };
    flow->setFocus();
    QTest::keyClicks(flow, "12");
    QCOMPARE(changes, 2);
    QCOMPARE(program.platform.TakeMessages(),
             (QStringList{"error: Floating point division by zero.", "error: Floating point division by zero."}));
    QCOMPARE(flow->Text(), QStringLiteral("12"));
  }

  // A fault in a change handler that code ran by writing a text ends the
  // writing handler too; what it wrote before stays.
  void fault_in_a_nested_change_ends_the_writer() {
    Program program;
    program.platform.TakeMessages();
    TForm1& f = *program.form;
    f.Steg->OnChange = [] { throw calc::ConvertError("'x' is not a valid floating point value"); };
    bool reachedEnd = false;
    RunGuarded(f.Flow, [&] {
      f.MaxMeterPerSek->SetText("written first");
      f.Steg->SetText("7");
      reachedEnd = true;
    });
    QVERIFY(!reachedEnd);
    QCOMPARE(f.MaxMeterPerSek->Text(), QStringLiteral("written first"));
    QCOMPARE(program.platform.TakeMessages(), QStringList{"error: 'x' is not a valid floating point value."});
    // The error box is titled with the program file's name.
    QCOMPARE(program.platform.lastErrorTitle, QStringLiteral("gui_tests"));
  }

  // State: a cell drawing that faults. Action: the grid paints, again and
  // again. Expected: no box inside the paint; one report after it, and no
  // other until the user acts in the window.
  void fault_while_painting_is_reported_once_after_the_paint() {
    Program program;
    program.platform.TakeMessages();
    TForm1& f = *program.form;
    f.StringGrid1->SetCell(0, 1, "1.0");
    int draws = 0;
    f.StringGrid1->OnDrawCell = [&](int, int, const QRect&, TGridCanvas&) {
      ++draws;
      throw calc::ZeroDivideError();
    };
    f.StringGrid1->viewport()->repaint();
    QVERIFY(draws > 1);
    QCOMPARE(program.platform.TakeMessages(), QStringList{});
    QCoreApplication::processEvents();
    QCOMPARE(program.platform.TakeMessages(), QStringList{"error: Floating point division by zero."});
    f.StringGrid1->viewport()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(program.platform.TakeMessages(), QStringList{});
    // A key typed in the window: the fault may be shown again.
    f.Flow->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_1);
    f.StringGrid1->viewport()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(program.platform.TakeMessages(), QStringList{"error: Floating point division by zero."});
  }

  // State: a bad flow, the focus in Flow. Action: Enter, and the box takes
  // the focus as a real one does. Expected: one box. Flow does not use the
  // key and passes it on to its parents, where nothing has the focus any more.
  void enter_opens_one_box_when_the_box_takes_the_focus() {
    Program program;
    program.platform.TakeMessages();
    program.platform.boxesTakeFocus = true;
    TForm1& f = *program.form;
    f.Flow->setFocus();
    QTest::keyClicks(f.Flow, "abc");
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    QCOMPARE(program.platform.TakeMessages(),
             QStringList{QString::fromUtf8("message: Felaktiga data i flödesangivelse")});
  }

  void writing_the_same_text_runs_no_change_handler() {
    Program program;
    int changes = 0;
    program.form->Steg->OnChange = [&] { ++changes; };
    program.form->Steg->SetText("100");
    QCOMPARE(changes, 0);
    program.form->Steg->SetText("50");
    QCOMPARE(changes, 1);
  }

  void hints_stay_up_four_seconds() {
    Program program;
    QCOMPARE(program.form->SpeedButton1->toolTipDuration(), 4000);
    QCOMPARE(Hint(program.form->SpeedButton1), QStringLiteral("ENTER"));
  }

  // State: the window as built. Expected: every row of the language table
  // names a control (or private text) of a kind the row can be applied to, so
  // that no text is skipped in silence.
  void every_language_table_row_applies() {
    Program program;
    const QStringList faults = UnappliedTextRows(*program.form);
    if (!faults.isEmpty()) QFAIL(qPrintable(faults.join("; ")));
  }

  // State: each tab shown in turn, in each language. Expected: every control
  // a screen reader meets on it has a name, no two the same (a radio button
  // counts with its group; a label may repeat its field's caption, a combo
  // box's own text field its box's name); the hidden series strip is met
  // as not shown, with nothing inside.
  void every_control_on_every_tab_has_a_name_of_its_own_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Swedish") << "Svensk";
    QTest::newRow("Danish") << "Dansk";
  }
  void every_control_on_every_tab_has_a_name_of_its_own() {
    QFETCH(QString, language);
    Program program;
    TForm1& f = *program.form;
    program.about->SpraakComboBox->SetText(language);
    f.ValjSprak();
    QStringList faults;
    for (QWidget* page : {f.Kanalber, f.Effekt, f.Kvs, f.Rorber, f.CO2TabSheet}) {
      program.ClickTab(page);
      QSet<QString> heard;
      const std::function<void(QAccessibleInterface*, const QString&)> walk = [&](QAccessibleInterface* face,
                                                                                  const QString& group) {
        for (int i = 0; i < face->childCount(); ++i) {
          QAccessibleInterface* child = face->child(i);
          if (!child) continue;
          QObject* object = child->object();
          const QString who = page->objectName() + '/' + (object ? object->objectName() : QString("?"));
          if (child->state().invisible) {
            if (child->childCount() != 0) faults << who + ": hidden but holds controls";
            continue;
          }
          const QAccessible::Role role = child->role();
          const QString name = child->text(QAccessible::Name);
          if (kSpokenRoles.contains(role)) {
            if (name.trimmed().isEmpty()) faults << who + ": no name";
            const bool own = role != QAccessible::StaticText && !kInnerRoles.contains(face->role());
            const QString key = role == QAccessible::RadioButton ? group + '/' + name : name;
            if (own && !name.isEmpty() && Q_UNLIKELY(heard.contains(key))) faults << who + ": name heard twice: " + key;
            if (own) heard.insert(key);
          }
          if (role != QAccessible::Table) walk(child, role == QAccessible::Grouping ? name : group);
        }
      };
      walk(QAccessible::queryAccessibleInterface(page), QString());
    }
    QVERIFY(QAccessible::queryAccessibleInterface(f.StringGrid2)->state().invisible);
    if (!faults.isEmpty()) QFAIL(qPrintable(faults.join("; ")));
  }

  // State: a radio button other than the first checked in each kind of
  // group. Action: Tab from the field before the group. Expected: the focus
  // lands on the checked button, as the platform has it; one more Tab leaves
  // the group.
  void tab_into_radio_buttons_lands_on_the_checked_one() {
    Program program;
    TForm1& f = *program.form;
    program.ClickTab(f.Effekt);
    f.EnhetFlowRadioGroup->SetItemIndex(1);
    f.SpecHeatKapacitet->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.SpecHeatKapacitet, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.EnhetFlowRadioGroup->Button(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->parentWidget(), f.EnhetEffektRadioGroup);

    program.ClickTab(f.Kvs);
    QTest::mouseClick(f.RadioButton2, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    f.KvsEdit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.KvsEdit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.RadioButton2);
    QTest::keyClick(f.RadioButton2, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.FeCheckBox);

    program.ClickTab(f.Kanalber);
    f.RektRadioButton->SetChecked(true);
    f.CheckBox1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.CheckBox1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.RektRadioButton);
  }

  // State: a calculation on each tab, in each language. Expected: the record
  // names every input and result of a control exactly as a screen reader
  // hears the control (without the word that it shows a result), so the
  // record speaks the screen's words.
  void record_names_every_input_as_the_screen_does_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("Swedish") << "Svensk";
    QTest::newRow("Danish") << "Dansk";
  }
  void record_names_every_input_as_the_screen_does() {
    QFETCH(QString, language);
    Program program;
    TForm1& f = *program.form;
    program.about->SpraakComboBox->SetText(language);
    f.ValjSprak();
    const QList<std::pair<QWidget*, std::function<void()>>> calculations = {
        {f.Kanalber,
         [&] {
           f.RektRadioButton->SetChecked(true);
           f.Flow->SetText("100");
           f.Sida->SetText("300*200");
         }},
        {f.Effekt,
         [&] {
           f.DeltaT->SetText("20");
           f.EffektFlowEdit->SetText("1");
         }},
        {f.Kvs,
         [&] {
           f.FeCheckBox->SetChecked(true);
           f.FlowEdit->SetText("1");
           f.TryckEdit->SetText("10");
           f.InvDiamEdit->SetText("25");
         }},
        {f.Rorber,
         [&] {
           f.RTemp->SetText("20");
           f.RYtrahet->SetText("0.045");
           f.RInvDiam->SetText("20");
           f.RFlow->SetText("0.2");
         }},
        {f.CO2TabSheet,
         [&] {
           f.UteLuft->SetText("10");
           f.AntalPers->SetText("2");
         }},
    };
    QStringList faults;
    int named = 0;
    for (const auto& [page, typeInputs] : calculations) {
      program.ClickTab(page);
      typeInputs();
      f.CalculateActiveTab();
      const CalcRecord record = f.ActiveRecord();
      if (record.noResult) faults << page->objectName() + ": no result";
      for (const RecordLine& line : record.inputs + record.results) {
        if (line.control.isEmpty()) continue;
        QWidget* control = f.findChild<QWidget*>(line.control);
        QString heard = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
        heard.remove(QStringLiteral(", resultat"));
        ++named;
        if (line.caption != heard) faults << line.control + ": '" + line.caption + "', heard '" + heard + "'";
      }
    }
    QVERIFY2(named >= 25, qPrintable(QString::number(named)));
    if (!faults.isEmpty()) QFAIL(qPrintable(faults.join("; ")));
  }

  // State: a duct series calculated, some velocities over the limit. Action:
  // Ctrl+Shift+C. Expected: the clipboard holds the text record and the same
  // as HTML, whose last table, read back as a word processor reads it, is the
  // grid: its heading row, every row shown, the cells over the limit bold
  // with their star.
  void record_copies_the_grid_as_an_html_table() {
    Program program;
    TForm1& f = *program.form;
    QTest::mouseClick(f.CirkRadioButton, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    program.TypeAndLeave(f.Flow, "100", f.MaxMeterPerSek);
    program.TypeAndLeave(f.MaxMeterPerSek, "3", f.Flow);
    f.SpeedButton1Click();
    QTest::keyClick(f.windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(program.platform.clipboard.startsWith(QStringLiteral("PLUVIK " PLUVIK_VERSION "\n")));
    QTextDocument pasted;
    pasted.setHtml(program.platform.clipboardHtml);
    QTextTable* grid = nullptr;
    for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next())
      if (auto* table = qobject_cast<QTextTable*>(QTextCursor(block).currentTable())) grid = table;
    QVERIFY(grid);
    QCOMPARE(grid->columns(), 3);
    QCOMPARE(grid->format().headerRowCount(), 1);
    QCOMPARE(grid->rows(), 15);
    const auto cell = [&](int row, int col) { return grid->cellAt(row, col).firstCursorPosition().block().text(); };
    const auto bold = [&](int row, int col) {
      QTextCursor first = grid->cellAt(row, col).firstCursorPosition();
      first.movePosition(QTextCursor::Right);
      return first.charFormat().fontWeight() >= QFont::Bold;
    };
    QCOMPARE(cell(0, 0), QStringLiteral("m/s"));
    QCOMPARE(cell(0, 1), QStringLiteral("Pa/m"));
    for (int row = 1; row < grid->rows(); ++row) {
      QCOMPARE(cell(row, 2), f.StringGrid1->Cell(2, row));
      const bool over = f.OverLimit(0, row);
      QCOMPARE(cell(row, 0), f.StringGrid1->Cell(0, row) + (over ? QStringLiteral(" *") : QString()));
      QCOMPARE(bold(row, 0), over);
    }
    QCOMPARE(cell(6, 0), QStringLiteral("3.2 *"));
    QCOMPARE(cell(7, 0), QStringLiteral("2.0"));
  }

  // State: the window in either language. Action: the calculation core ends
  // a calculation with one of its own faults. Expected: the error box words
  // the fault in the interface language, by its kind.
  void core_faults_are_worded_in_the_interface_language_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("danish");
    QTest::addColumn<QString>("shown");
    QTest::newRow("friction, Swedish") << int(calc::FaultCode::FrictionNotSettled) << false
                                       << "error: Friktionsfaktorn kan inte beräknas för dessa data.";
    QTest::newRow("friction, Danish") << int(calc::FaultCode::FrictionNotSettled) << true
                                      << "error: Friktionsfaktoren kan ikke beregnes for disse data.";
    QTest::newRow("negative room, Danish")
        << int(calc::FaultCode::RoomNotNegative) << true << "error: Udeluftflow og rumvolumen må ikke være negative.";
    QTest::newRow("equilibrium, Swedish")
        << int(calc::FaultCode::EquilibriumNotSettled) << false << "error: Jämvikten kan inte beräknas för dessa data.";
    QTest::newRow("too many steps, Danish")
        << int(calc::FaultCode::TooManySteps) << true << "error: Beregningen tog for mange trin for disse data.";
  }
  void core_faults_are_worded_in_the_interface_language() {
    QFETCH(int, code);
    QFETCH(bool, danish);
    QFETCH(QString, shown);
    Program program;
    TForm1& f = *program.form;
    if (danish) f.DanskaTexter();
    program.platform.TakeMessages();
    f.ReportError(calc::CalcFault(static_cast<calc::FaultCode>(code)));
    QCOMPARE(program.platform.TakeMessages(), QStringList{shown});
  }

  // State: the CO2 tab with "Behåll kurvor" ticked and an earlier calculation
  // for 10 l/s on the chart. Action: a calculation for 20 l/s, then its
  // record. Expected: the record's chart holds the curves of 20 l/s alone,
  // line for line those a program that never drew 10 l/s records.
  void co2_record_draws_only_its_own_curves() {
    const auto chartFor = [](const QStringList& flows, bool keep) {
      Program program;
      TForm1& f = *program.form;
      program.ClickTab(f.CO2TabSheet);
      program.TypeAndLeave(f.CO2Ute, "400", f.RumVolym);
      program.TypeAndLeave(f.RumVolym, "180", f.AntalPers);
      program.TypeAndLeave(f.AntalPers, "2", f.UteLuft);
      if (keep) QTest::mouseClick(f.SparaKurva, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
      for (const QString& flow : flows) {
        program.TypeAndLeave(f.UteLuft, flow, f.RumVolym);
        f.CO2CalcButtonClick();
      }
      const CalcRecord record = f.ActiveRecord();
      QList<TPaintBox::DrawOp> curves;
      if (record.chart)
        for (const TPaintBox::DrawOp& op : record.chart->ops)
          if (op.curve) curves << op;
      return std::pair{curves, f.COkurva->Strokes().size()};
    };
    const auto [kept, keptStrokes] = chartFor({"10", "20"}, true);
    const auto [alone, aloneStrokes] = chartFor({"20"}, false);
    QVERIFY2(keptStrokes > aloneStrokes, "the earlier curves stay on the screen");
    QVERIFY(!alone.isEmpty());
    QCOMPARE(kept.size(), alone.size());
    for (qsizetype i = 0; i < kept.size(); ++i) {
      QCOMPARE(kept[i].from, alone[i].from);
      QCOMPARE(kept[i].to, alone[i].to);
      QCOMPARE(kept[i].colour, alone[i].colour);
    }
  }

  // State: a duct series sized (or a flow searched) with a material, shape,
  // insulation, unit and temperature. Action: every row with figures added
  // to the duct run with Ctrl+L. Expected: each section shows the row's own
  // dimension, velocity and pressure drop, and its flow in l/s.
  void every_row_added_to_the_run_carries_the_duct_tabs_figures_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<int>("material");
    QTest::addColumn<bool>("circular");
    QTest::addColumn<QString>("side");
    QTest::addColumn<QString>("insulation");
    QTest::addColumn<bool>("cubicMetres");
    QTest::addColumn<QString>("flow");
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("searchLimit");  // Pa/m; empty: no search
    QTest::addColumn<QString>("flowShown");
    QTest::newRow("Veloduct circular series, joint coefficients, 100 l/s") << QChar('.') << 0 << true << ""
                                                                           << "0" << false << "100"
                                                                           << "20"
                                                                           << ""
                                                                           << "100";
    QTest::newRow("Lindab circular series, 250 m3/h at 35 C, comma") << QChar(',') << 1 << true << ""
                                                                     << "0" << true << "250"
                                                                     << "35"
                                                                     << ""
                                                                     << "69,44";
    QTest::newRow("Veloduct circular series with 25 mm insulation") << QChar('.') << 0 << true << ""
                                                                    << "25" << false << "180"
                                                                    << "20"
                                                                    << ""
                                                                    << "180";
    QTest::newRow("Veloduct circular 315 with a typed joint coefficient") << QChar('.') << 0 << true << "315"
                                                                          << "0" << false << "400"
                                                                          << "-10"
                                                                          << ""
                                                                          << "400";
    QTest::newRow("concrete rectangular series from 300") << QChar('.') << 2 << false << "300"
                                                          << "0" << false << "900"
                                                          << "20"
                                                          << ""
                                                          << "900";
    QTest::newRow("rectangular series from 200 with insulation, m3/h, comma") << QChar(',') << 1 << false << "200"
                                                                              << "10" << true << "1000"
                                                                              << "18,5"
                                                                              << ""
                                                                              << "277,78";
    QTest::newRow("rectangular 400*200 alone") << QChar('.') << 0 << false << "400*200"
                                               << "0" << false << "333"
                                               << "20"
                                               << ""
                                               << "333";
    QTest::newRow("search on a circular 250 for 1 Pa/m") << QChar('.') << 0 << true << "250"
                                                         << "0" << false << ""
                                                         << "20"
                                                         << "1"
                                                         << "";
  }

  void every_row_added_to_the_run_carries_the_duct_tabs_figures() {
    QFETCH(QChar, separator);
    QFETCH(int, material);
    QFETCH(bool, circular);
    QFETCH(QString, side);
    QFETCH(QString, insulation);
    QFETCH(bool, cubicMetres);
    QFETCH(QString, flow);
    QFETCH(QString, temperature);
    QFETCH(QString, searchLimit);
    QFETCH(QString, flowShown);
    Program program(separator);
    TForm1& f = *program.form;
    f.ComboBox1->setCurrentIndex(material);
    f.ComboBox1Click();
    QTest::mouseClick(circular ? f.CirkRadioButton : f.RektRadioButton, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    if (cubicMetres) f.EnhetRadioGroup->SetItemIndex(1);
    program.TypeAndLeave(f.Isolering, insulation, f.Temperatur);
    program.TypeAndLeave(f.Temperatur, temperature, f.Flow);
    if (!side.isEmpty()) f.Sida->SetText(side);
    // A circular duct of a given diameter takes the joint coefficient typed.
    if (circular && !side.isEmpty()) program.TypeAndLeave(f.Steg, QStringLiteral("0.3"), f.Flow);
    if (searchLimit.isEmpty()) {
      program.TypeAndLeave(f.Flow, flow, f.StringGrid1);
    } else {
      QTest::mouseClick(f.CheckBox1, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
      f.MaxPaPerMeter->setFocus(Qt::TabFocusReason);
      f.MaxPaPerMeterEnter();
      program.TypeAndLeave(f.MaxPaPerMeter, searchLimit, f.StringGrid1);
    }
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    QVERIFY(program.platform.TakeMessages().filter(QStringLiteral("message")).isEmpty());
    if (flowShown.isEmpty()) flowShown = f.Flow->Text();
    int added = 0;
    for (int row = 1; row < f.StringGrid1->RowCount() && added < 60; ++row) {
      if (f.StringGrid1->Cell(0, row).isEmpty()) continue;
      f.StringGrid1->setFocus(Qt::TabFocusReason);
      f.StringGrid1->SetCurrentCell(0, row);
      QTest::keyClick(f.windowHandle(), Qt::Key_L, Qt::ControlModifier);
      ++added;
      TStracka* run = f.runWindowIfMade();
      QVERIFY(run);
      QCOMPARE(run->Count(), added);
      const QString where = QStringLiteral("row %1 (%2)").arg(row).arg(f.StringGrid1->Cell(2, row));
      QVERIFY2(run->StrackaGrid->Cell(TStracka::kDimension, added) == f.StringGrid1->Cell(2, row), qPrintable(where));
      QCOMPARE(run->StrackaGrid->Cell(TStracka::kFlow, added), flowShown);
      QCOMPARE(run->StrackaGrid->Cell(TStracka::kVelocity, added), f.StringGrid1->Cell(0, row));
      // A search shows the pressure drop it met with one decimal.
      const QString perMetre = run->StrackaGrid->Cell(TStracka::kPerMetre, added);
      if (searchLimit.isEmpty())
        QCOMPARE(perMetre, f.StringGrid1->Cell(1, row));
      else
        QCOMPARE(f.FloatToStrF(f.StrToFloat(perMetre), 15, 1), f.StringGrid1->Cell(1, row));
    }
    QVERIFY(added > 0);
    QCOMPARE(program.platform.TakeMessages(), QStringList{});
    // The keyboard stayed on the duct tab.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.StringGrid1));
  }

  // State: a duct series calculated. Action: its record printed to a PDF
  // file through QPrinter, as the print dialog does. Expected: a PDF of one
  // page or more; the record's text names the tab and the version.
  void record_prints_through_qprinter_to_pdf() {
    Program program;
    TForm1& f = *program.form;
    QTest::mouseClick(f.CirkRadioButton, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
    program.TypeAndLeave(f.Flow, "100", f.MaxMeterPerSek);
    f.SpeedButton1Click();
    const CalcRecord record = f.ActiveRecord();
    QVERIFY(RecordText(record).startsWith(QStringLiteral("PLUVIK " PLUVIK_VERSION "\nKanalber\u00e4kning\n")));
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("record.pdf"));
    SetRecordPage(printer);
    QCOMPARE(PaintRecord(record, printer), 1);
    QFile pdf(dir.filePath("record.pdf"));
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
  }

  // State: the window in its start strip, then at full height, in Swedish
  // and in Danish, drawn at display scales 1, 1.5 and 2, each tab in turn
  // the active one (its caption bold). Expected: every tab lies inside the
  // tab control, and every pixel of every caption lies on its own tab, clear
  // of the tab's ends: a caption drawn longer than its tab would spill over
  // the end of its tab.
  void tab_captions_are_whole_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<qreal>("scale");
    for (const char* language : {"Svensk", "Dansk"})
      for (const qreal scale : {1.0, 1.5, 2.0})
        QTest::addRow("%s at scale %.1f", language, scale) << QString::fromLatin1(language) << scale;
  }
  void tab_captions_are_whole() {
    QFETCH(QString, language);
    QFETCH(qreal, scale);
    Program program;
    TForm1& f = *program.form;
    program.platform.aboutLanguageSet = true;
    program.platform.aboutLanguage = language;
    QTest::keyClick(f.windowHandle(), Qt::Key_F1);
    TPageControl* pages = f.PageControl1;
    // Only the captions are drawn: fills, borders and the page frame are
    // transparent, so a caption's letters show wherever they fall, also
    // over a neighbouring tab.
    QPalette ink = pages->palette();
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Mid}) ink.setColor(role, Qt::transparent);
    ink.setColor(QPalette::WindowText, Qt::black);
    pages->setPalette(ink);
    for (const int height : {95, 250, 398}) {
      f.resize(f.width(), height);
      for (int active = 0; active < pages->PageCount(); ++active) {
        pages->ChooseTab(active);
        QImage image((QSizeF(pages->size()) * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::transparent);
        pages->render(&image, QPoint(), QRegion(pages->rect()), {});
        int inkSeen = 0;
        for (int y = 0; y < image.height(); ++y) {
          for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) < 64) continue;
            ++inkSeen;
            const QPointF at(x / scale, y / scale);
            int owner = -1;
            for (int i = 0; i < pages->PageCount(); ++i)
              if (QRectF(pages->TabRect(i)).contains(at)) owner = i;
            const QString where = QStringLiteral("a caption's pixel at (%1, %2), height %3, active tab %4")
                                      .arg(at.x())
                                      .arg(at.y())
                                      .arg(height)
                                      .arg(pages->Caption(active));
            QVERIFY2(owner >= 0, qPrintable(where + " lies on no tab"));
            // Each caption keeps clear of its tab's ends by most of its
            // margin (6 pixels); a letter of the tab before that ran over
            // the end of its own tab lies within the first pixels here.
            const QRectF tab = pages->TabRect(owner);
            QVERIFY2(at.y() >= tab.top() + 3 && at.y() < tab.bottom() + 1 - 3,
                     qPrintable(where + " lies at an end of " + pages->Caption(owner)));
          }
        }
        QVERIFY2(inkSeen > 100, "the captions were not drawn");
      }
      for (int i = 0; i < pages->PageCount(); ++i)
        QVERIFY2(pages->TabRect(i).bottom() < pages->height(),
                 qPrintable(QStringLiteral("%1 at height %2").arg(pages->Caption(i)).arg(height)));
    }
  }

  // State: a dark desktop palette, from the start or taken on while the
  // program runs (the desktop switching themes); a red field with a text in
  // it, the power tab's maroon captions, the CO2 tab's red and blue texts,
  // its white fields and its chart, drawn. Expected: every control with a
  // colour of its own draws its text with a contrast of at least 4.5 against
  // its background (red, which reads on neither grey, on black).
  void the_palette_is_dark_data() {
    QTest::addColumn<bool>("turnedWhileRunning");
    QTest::newRow("dark from the start") << false;
    QTest::newRow("turned dark while running") << true;
  }
  void the_palette_is_dark() {
    QFETCH(bool, turnedWhileRunning);
    const QPalette light = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(light); });
    if (!turnedWhileRunning) QApplication::setPalette(DarkDesktopPalette());
    Program program;
    TForm1& f = *program.form;
    program.TypeAndLeave(f.Temperatur, "x", f.Flow);
    program.ClickTab(f.Effekt);
    program.TypeAndLeave(program.Find<TEdit>("DeltaT"), "20", program.Find<TEdit>("EffektFlowEdit"));
    program.ClickTab(f.CO2TabSheet);
    program.TypeAndLeave(program.Find<TEdit>("UteLuft"), "10", program.Find<TEdit>("AntalPers"));
    program.TypeAndLeave(program.Find<TEdit>("AntalPers"), "1", program.Find<TEdit>("CO2utspadning"));
    program.TypeAndLeave(program.Find<TEdit>("CO2utspadning"), "1000", program.Find<TEdit>("RumVolym"));
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    QVERIFY(!program.Find<TEdit>("CO2Min")->Text().isEmpty());
    if (turnedWhileRunning) {
      QApplication::setPalette(DarkDesktopPalette());
      QCoreApplication::processEvents();
    }
    f.setFocus();
    QStringList checked;
    for (QWidget* page :
         {static_cast<QWidget*>(f.Kanalber), static_cast<QWidget*>(f.Effekt), static_cast<QWidget*>(f.CO2TabSheet)}) {
      program.ClickTab(page);
      QList<QWidget*> controls = page->findChildren<QWidget*>();
      for (QWidget* control : controls) {
        if (!control->isVisible() || !(HasFixedColour(control) || qobject_cast<TPaintBox*>(control))) continue;
        const double contrast = DrawnContrast(control);
        if (contrast == 0.0) continue;  // nothing drawn on it
        checked << control->objectName();
        QVERIFY2(contrast >= 4.5,
                 qPrintable(QStringLiteral("%1: contrast %2").arg(control->objectName()).arg(contrast)));
      }
    }
    for (const char* name :
         {"Temperatur", "Label3", "DeltaT", "CO2Min", "Tid", "GroupBox3", "GroupBox2", "CO2utspadning", "COkurva"})
      QVERIFY2(
          checked.contains(QString::fromLatin1(name)),
          qPrintable(QStringLiteral("%1 not looked at: %2").arg(QString::fromLatin1(name)).arg(checked.join(' '))));
  }

  void program_folder_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::newRow("windows folder") << "C:\\Program\\Pluvik\\pluvik.exe"
                                    << "C:\\Program\\Pluvik";
    QTest::newRow("windows drive root keeps its separator") << "C:\\pluvik.exe"
                                                            << "C:\\";
    QTest::newRow("linux folder") << "/opt/pluvik/bin/pluvik"
                                  << "/opt/pluvik/bin";
    QTest::newRow("linux root keeps its separator") << "/pluvik"
                                                    << "/";
  }
  void program_folder() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QCOMPARE(ProgramFolder(path), folder);
  }

  void manual_is_found_in_the_program_folder_first_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    QTest::newRow("in both: the program folder's")
        << QStringList{"PLUVIK.pdf", "Manualer/PLUVIK.pdf"} << "open: DIR/PLUVIK.pdf";
    QTest::newRow("only in Manualer") << QStringList{"Manualer/PLUVIK.pdf"} << "open: DIR/Manualer/PLUVIK.pdf";
    QTest::newRow("in neither") << QStringList{} << "message: Hittar ej manual";
    QTest::newRow("a folder named like the manual does not count")
        << QStringList{"PLUVIK.pdf/"} << "message: Hittar ej manual";
  }
  void manual_is_found_in_the_program_folder_first() {
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    for (const QString& file : files) {
      if (file.endsWith('/')) {
        QVERIFY(QDir(dir.path()).mkpath(file));
        continue;
      }
      QDir(dir.path()).mkpath(QFileInfo(file).path());
      QFile pdf(dir.filePath(file));
      QVERIFY(pdf.open(QIODevice::WriteOnly));
    }
    Program program('.', {1920, 1080}, dir.path());
    program.platform.TakeMessages();
    QTest::mouseClick(program.about->Manual, Qt::LeftButton);
    expected.replace("DIR", QDir::toNativeSeparators(dir.path()));
    QCOMPARE(program.platform.TakeMessages(), QStringList{expected});
  }

  // State: a field holding "20 kPa". Action: a screen reader asks for a
  // piece of its text. Expected: the piece and its limits, at the end of the
  // text too (where Qt's own line edit loops for ever on a word); the text's
  // attributes one run over the whole text (Orca otherwise reads "20" as "2").
  void fields_read_whole_by_screen_readers_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("step");  // -1 before, 0 at, +1 after
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::newRow("word at the end") << 6 << int(QAccessible::WordBoundary) << 0 << "kPa" << 3 << 6;
    QTest::newRow("word at the start") << 0 << int(QAccessible::WordBoundary) << 0 << "20" << 0 << 2;
    QTest::newRow("word after the first") << 0 << int(QAccessible::WordBoundary) << 1 << " " << 2 << 3;
    QTest::newRow("word before the end") << 6 << int(QAccessible::WordBoundary) << -1 << " " << 2 << 3;
    QTest::newRow("character") << 1 << int(QAccessible::CharBoundary) << 0 << "0" << 1 << 2;
    QTest::newRow("character after the last") << 5 << int(QAccessible::CharBoundary) << 1 << "" << -1 << -1;
    QTest::newRow("line at the end") << 6 << int(QAccessible::LineBoundary) << 0 << "20 kPa" << 0 << 6;
    QTest::newRow("no line before") << 3 << int(QAccessible::LineBoundary) << -1 << "" << -1 << -1;
    QTest::newRow("past the text") << 7 << int(QAccessible::WordBoundary) << 0 << "" << -1 << -1;
  }
  void fields_read_whole_by_screen_readers() {
    QFETCH(int, offset);
    QFETCH(int, boundary);
    QFETCH(int, step);
    QFETCH(QString, piece);
    QFETCH(int, start);
    QFETCH(int, end);
    Program program('.');
    TEdit* field = program.form->TryckEdit;
    field->setText(QStringLiteral("20 kPa"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
    QVERIFY(face && face->textInterface());
    QAccessibleTextInterface* text = face->textInterface();
    const auto type = static_cast<QAccessible::TextBoundaryType>(boundary);
    int from = -2;
    int to = -2;
    const QString got = step < 0   ? text->textBeforeOffset(offset, type, &from, &to)
                        : step > 0 ? text->textAfterOffset(offset, type, &from, &to)
                                   : text->textAtOffset(offset, type, &from, &to);
    QCOMPARE(got, piece);
    QCOMPARE(from, start);
    QCOMPARE(to, end);
    text->attributes(1, &from, &to);
    QCOMPARE(QPair(from, to), QPair(0, 6));
    QCOMPARE(text->text(0, -1), QStringLiteral("20 kPa"));
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
