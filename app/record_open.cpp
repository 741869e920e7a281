// Opening a saved record again (Ctrl+O, the page's context menu, or a PDF
// dropped on the window): the tab is shown, every input is set as a user
// would set it (its change handlers run), and the calculation runs by the
// ENTER path. Its results are checked against those the record holds; a
// figure this version computes otherwise is named in one message. A file
// that is no record, or holds what no calculation can have, gives one
// message and changes nothing in the window.
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QSet>

#include "app/duct_run_window.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "app/record_file.h"

namespace {

// How many changed figures the message lists before it stops.
constexpr int kChangedFiguresListed = 12;
// The longest text a field of ours is ever given back.
constexpr int kLongestInput = 100;

// A typed number written with the separator in use now.
QString WithSeparator(QString text, QChar saved, QChar now) {
  if (saved != now) text.replace(saved, now);
  return text;
}

// The figures of a shown text, each with a point for its separator: what a
// later version must compute the same, whatever the words around them in the
// language of the day ("750 - 950 ppm", "35,0 = 126,0 m³/h, 8,75 l/s per
// person").
QStringList Figures(const QString& text, QChar separator) {
  static const QRegularExpression kFigure(QStringLiteral("-?\\d+(?:[.,]\\d+)?"));
  QStringList figures;
  for (const QRegularExpressionMatch& match : kFigure.globalMatch(text)) {
    QString figure = match.captured();
    figures << figure.replace(separator, '.');
  }
  return figures;
}

bool WholeNumberIn(const QString& text, int least, int most) {
  bool read = false;
  const int value = text.toInt(&read);
  return read && value >= least && value <= most;
}

}  // namespace

void TForm1::CalculateActiveTab() {
  QWidget* page = PageControl1->ActivePage();
  if (page == Kanalber) SpeedButton1Click();
  if (page == Kvs) SpeedButton2Click();
  if (page == Rorber) SpeedButton3Click();
  if (page == Effekt) SpeedButton4Click();
  if (page == CO2TabSheet) CO2CalcButtonClick();
}

QString TForm1::PdfFileOf(const QMimeData* data) const {
  if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
  const QString path = data->urls().front().toLocalFile();
  return path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ? path : QString();
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
  if (!PdfFileOf(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
  const QString path = PdfFileOf(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  RunGuarded(this, [this, path] { OpenRecord(path); });
}

void TForm1::OpenRecordDialog() {
  LoadQtTranslation();
  const QString title = Say(lang::Word("RecordOpenTitle"));
  const QString filter = Say(lang::Word("RecordFilter"));
  QString path;
  RunDialog([&] { path = platform_.OpenFileName(this, title, platform_.DocumentsFolder(), filter); });
  if (!path.isEmpty()) OpenRecord(path);
}

QString TForm1::ImpossibleInput(const RecordFile& file) const {
  if (file.page == QStringLiteral("Stracka")) return const_cast<TForm1*>(this)->RunWindow()->ImpossibleInput(file);
  QWidget* page = nullptr;
  for (int index = 0; index < PageControl1->PageCount(); ++index)
    if (PageControl1->Page(index)->objectName() == file.page) page = PageControl1->Page(index);
  if (!page) return file.page;
  // Quantities no real case has negative, and the temperatures, whose least
  // is absolute zero.
  static const QSet<QString> notNegative{"Flow",
                                         "MaxMeterPerSek",
                                         "MaxPaPerMeter",
                                         "Steg",
                                         "Isolering",
                                         "Ytrahet",
                                         "SpecHeatKapacitet",
                                         "FlowEdit",
                                         "KvsEdit",
                                         "InvDiamEdit",
                                         "RYtrahet",
                                         "RInvDiam",
                                         "RKinViskos",
                                         "RDensitet",
                                         "RFlow",
                                         "RHast",
                                         "RvardeRoer",
                                         "CO2Ute",
                                         "UteLuft",
                                         "RumVolym",
                                         "AntalPers",
                                         "AntalPersUtspadning",
                                         "CO2Mal"};
  static const QSet<QString> temperatures{"Temperatur", "RTemp"};
  QSet<QString> seen;
  for (const auto& [name, saved] : file.typed) {
    const QString value = TypedValue(file, name, saved);
    const QString fault = name + ": " + saved;
    if (seen.contains(name) || value.size() > kLongestInput) return fault;
    seen.insert(name);
    for (const QChar c : value)
      if (c.category() == QChar::Other_Control) return fault;
    if (name == QStringLiteral("CO2GridRates")) {
      if (page != CO2TabSheet) return fault;
      continue;
    }
    QWidget* control = page->findChild<QWidget*>(name);
    if (!control) return fault;
    if (auto* group = qobject_cast<TRadioGroup*>(control)) {
      if (!WholeNumberIn(value, 0, group->Count() - 1)) return fault;
    } else if (qobject_cast<QAbstractButton*>(control)) {
      if (value != "0" && value != "1") return fault;
    } else if (auto* list = qobject_cast<TComboBox*>(control); list && ListChoice(list)) {
      if (!WholeNumberIn(value, 0, list->count() - 1)) return fault;
    } else if (auto* spin = qobject_cast<TSpinEdit*>(control)) {
      if (!WholeNumberIn(value, spin->minimum(), spin->maximum())) return fault;
    } else if (control == CO2Grid) {
      const QStringList cell = value.split(',');
      if (cell.size() != 2 || !WholeNumberIn(cell[0], 1, CO2Grid->ColCount() - 1) ||
          !WholeNumberIn(cell[1], 1, CO2Grid->RowCount() - 1))
        return fault;
    } else if (!qobject_cast<TEdit*>(control) && !qobject_cast<TComboBox*>(control)) {
      return fault;
    }
    const bool mustBeNumber = notNegative.contains(name) || temperatures.contains(name);
    if (!mustBeNumber || value.isEmpty()) continue;
    double number = 0.0;
    if (!calc::TryStrToFloat(DecimalFormat(value).toStdString(), fmt_, number)) return fault;
    if (notNegative.contains(name) && number < 0.0) return fault;
    if (temperatures.contains(name) && number <= -273.15) return fault;
  }
  return {};
}

QString TForm1::TypedValue(const RecordFile& file, const QString& name, const QString& saved) const {
  // Numbers typed into a field follow the separator in use now; indexes,
  // boxes and grid cells are no numbers.
  const bool typed = qobject_cast<TEdit*>(findChild<QWidget*>(name)) || name == Sida->objectName();
  return typed ? WithSeparator(saved, file.separator, QChar(fmt_.decimalSeparator)) : saved;
}

bool TForm1::ListChoice(const TComboBox* box) const {
  return box == ComboBox1 || box == RMtrlComboBox || box == CO2Kriterium;
}

void TForm1::PutInput(QWidget* page, const QString& name, const QString& value) {
  if (name == QStringLiteral("CO2GridRates")) {
    // The own choice's rates, typed into its cell.
    CO2Grid->SetCell(GCO2Col, GCO2Row, value);
    CO2GridSetEditText();
    return;
  }
  QWidget* control = page->findChild<QWidget*>(name);
  if (auto* group = qobject_cast<TRadioGroup*>(control)) {
    group->SetItemIndex(value.toInt());
  } else if (auto* box = qobject_cast<TCheckBox*>(control)) {
    if (box->Checked() != (value == "1")) box->SetChecked(value == "1");
  } else if (auto* button = qobject_cast<TRadioButton*>(control)) {
    if (value == "1" && !button->Checked()) button->SetChecked(true);
  } else if (auto* list = qobject_cast<TComboBox*>(control)) {
    // A list item is picked as from the list; a dimension is typed.
    if (ListChoice(list)) {
      list->setCurrentIndex(value.toInt());
      if (list->OnClick) list->OnClick();
    } else {
      list->SetText(value);
    }
    if (list->OnChange) list->OnChange();
  } else if (auto* spin = qobject_cast<TSpinEdit*>(control)) {
    spin->setValue(value.toInt());
  } else if (control == CO2Grid) {
    const QStringList cell = value.split(',');
    const int col = cell[0].toInt();
    const int row = cell[1].toInt();
    CO2Grid->SetCurrentCell(col, row);
  } else if (auto* field = qobject_cast<TEdit*>(control)) {
    // Typed as a user types it, where the text differs: the field is entered
    // (a search takes the field entered last as its limit), written and left.
    if (field->Text() == value) return;
    if (!value.isEmpty() && field->OnEnter) field->OnEnter();
    field->SetText(value);
    if (!value.isEmpty() && field->OnExit) field->OnExit();
  }
}

void TForm1::OpenRecord(const QString& path) {
  // The system's reasons (a missing file) in the interface language.
  LoadQtTranslation();
  const QString name = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  const RecordFileRead read = ReadRecordFile(path);
  switch (read.fault) {
    case RecordFileFault::None: break;
    case RecordFileFault::Unreadable: ShowMessage(Say(lang::Word("OpenUnreadable")).arg(name, read.detail)); return;
    case RecordFileFault::NotRecord: ShowMessage(Say(lang::Word("OpenNotRecord")).arg(name)); return;
    case RecordFileFault::Damaged: ShowMessage(Say(lang::Word("OpenDamaged")).arg(name)); return;
    case RecordFileFault::Newer: ShowMessage(Say(lang::Word("OpenNewer")).arg(name, read.detail)); return;
  }
  const RecordFile& file = read.file;
  if (const QString impossible = ImpossibleInput(file); !impossible.isEmpty()) {
    ShowMessage(Say(lang::Word("OpenImpossible")).arg(name, impossible));
    return;
  }
  CalcRecord now;
  if (file.page == QStringLiteral("Stracka")) {
    // A duct run replaces the run in its window, worked out at once.
    TStracka* run = RunWindow();
    run->Open(file);
    if (!run->isVisible())
      RunDialog([run] {
        run->PlaceBeside();
        run->show();
      });
    if (!file.result) return;
    now = run->Record();
  } else {
    QWidget* page = findChild<QWidget*>(file.page);
    PageControl1->ChooseTab(PageControl1->IndexOf(page));
    if (PageControl1->ActivePage() != page) return;
    for (const auto& [input, saved] : file.typed) PutInput(page, input, TypedValue(file, input, saved));
    if (!file.result) return;
    CalculateActiveTab();
    now = ActiveRecord();
  }

  // The figures the record holds against those computed now, as shown.
  QStringList changed;
  const auto compare = [&](const QString& caption, const QString& shown, const QString& saved) {
    if (Figures(shown, QChar(fmt_.decimalSeparator)) == Figures(saved, file.separator)) return;
    changed << Say(lang::Word("OpenChangedFigure"))
                   .arg(caption, shown, WithSeparator(saved, file.separator, QChar(fmt_.decimalSeparator)));
  };
  for (qsizetype i = 0; i < file.results.size(); ++i) {
    const RecordLine line = i < now.results.size() ? now.results[i] : RecordLine{};
    compare(line.caption, line.value, file.results[i]);
  }
  for (qsizetype row = 0; row < file.rows.size(); ++row) {
    for (qsizetype col = 0; col < file.rows[row].size(); ++col) {
      const QStringList shownRow = row < now.table.rows.size() ? now.table.rows[row] : QStringList{};
      const QString heading = col < now.table.headings.size() ? now.table.headings[col] : QString();
      compare(QStringLiteral("%1 %2").arg(heading).arg(row + 1), shownRow.value(col), file.rows[row][col]);
    }
  }
  if (now.table.rows.size() != file.rows.size())
    changed << Say(lang::Word("OpenChangedFigure"))
                   .arg(now.table.headings.join(QStringLiteral(" / ")), QString::number(now.table.rows.size()),
                        QString::number(file.rows.size()));
  if (changed.isEmpty()) return;
  if (changed.size() > kChangedFiguresListed) {
    changed.resize(kChangedFiguresListed);
    changed << QStringLiteral("...");
  }
  ShowMessage(Say(lang::Word("OpenChanged")).arg(name, changed.join('\n')));
}
