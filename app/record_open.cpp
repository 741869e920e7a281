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

}  // namespace

void TForm1::CalculateActiveTab() { Describe(PageControl1->ActivePage()).calculate(); }

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

QString TForm1::SavedText(const RecordFile& file, QString text) const {
  const QChar now(fmt_.decimalSeparator);
  if (file.separator != now) text.replace(file.separator, now);
  return text;
}

QWidget* TForm1::PageNamed(const QString& name) const {
  for (int index = 0; index < PageControl1->PageCount(); ++index)
    if (PageControl1->Page(index)->objectName() == name) return PageControl1->Page(index);
  return nullptr;
}

QString TForm1::ImpossibleInput(const RecordFile& file) {
  if (file.page == QStringLiteral("Stracka")) return TStracka::ImpossibleInput(*this, file);
  QWidget* page = PageNamed(file.page);
  if (!page) return file.page;
  // Every saved input must be one the tab describes, once, of a length and
  // with characters a field is given, and a value its kind and bounds allow.
  const TabDescription description = Describe(page);
  QSet<QString> seen;
  for (const auto& [name, saved] : file.typed) {
    const QString fault = name + ": " + saved;
    const TabInput* input = SavedInput(description, name);
    if (!input || seen.contains(name)) return fault;
    seen.insert(name);
    const QString value = SavedValue(*input, saved, file);
    if (value.size() > kLongestInput) return fault;
    for (const QChar c : value)
      if (c.category() == QChar::Other_Control) return fault;
    if (!SavedValuePossible(*input, value)) return fault;
  }
  return {};
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
    case RecordFileFault::NoReader: ShowMessage(Say(lang::Word("OpenNoReader")).arg(name, read.detail)); return;
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
    QWidget* page = PageNamed(file.page);
    PageControl1->ChooseTab(PageControl1->IndexOf(page));
    if (PageControl1->ActivePage() != page) return;
    // Each input as its description had it when the file was checked; the
    // description is asked again for each, as setting one may change another's
    // role.
    for (const auto& [name, saved] : file.typed) {
      const TabDescription description = Describe(page);
      if (const TabInput* input = SavedInput(description, name)) PutInput(*input, SavedValue(*input, saved, file));
    }
    if (!file.result) return;
    // A calculation that fails is reported as ENTER reports it; the figures
    // it no longer shows are then named as changed.
    try {
      CalculateActiveTab();
    } catch (const std::exception& error) {
      ReportError(error);
    }
    now = ActiveRecord();
    // A calculation that shows no result now still names each figure, as
    // the screen shows it (empty).
    if (now.noResult) now = BuildRecord(page, true);
  }

  // The figures the record holds against those computed now, as shown.
  QStringList changed;
  const auto compare = [&](const QString& caption, const QString& shown, const QString& saved) {
    if (Figures(shown, QChar(fmt_.decimalSeparator)) == Figures(saved, file.separator)) return;
    changed << Say(lang::Word("OpenChangedFigure")).arg(caption, shown, SavedText(file, saved));
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
