// The record of the active tab's calculation: copied as text (Ctrl+Shift+C),
// saved as a PDF file (Ctrl+S) or printed (Ctrl+P), also from a context menu
// on each tab page. Nothing of it exists before the user asks for it.
#include <QDir>
#include <QMenu>

#include "app/mainwindow.h"
#include "app/platform.h"
#include "app/record.h"

QString TForm1::Say(const char* swedish, const char* danish) const {
  return QString::fromUtf8(danishTexts_ ? danish : swedish);
}

CalcRecord TForm1::NewRecord() const {
  CalcRecord record;
  record.danish = danishTexts_;
  record.tab = PageControl1->Caption(PageControl1->IndexOf(PageControl1->ActivePage()));
  record.at = platform_.Now();
  return record;
}

RecordLine TForm1::Shown(const QString& caption, const QString& text) const {
  // A blank that ends a text (the roughness taken from a material) is not seen.
  const QString shown = text.trimmed();
  return {caption, shown.isEmpty() ? Say("(tomt)", "(tom)") : shown};
}

QString TForm1::NoResultShown() const { return Say("Inget resultat visas.", "Intet resultat vises."); }

CalcRecord TForm1::ActiveRecord() {
  QWidget* page = PageControl1->ActivePage();
  if (page == Effekt) return PowerRecord();
  if (page == Kvs) return ValveRecord();
  if (page == Rorber) return PipeRecord();
  if (page == CO2TabSheet) return CO2Record();
  return DuctRecord();
}

void TForm1::CopyRecord() { platform_.SetClipboardText(RecordText(ActiveRecord())); }

void TForm1::SaveRecord() {
  const CalcRecord record = ActiveRecord();
  // A caption such as "Effekt / Flöde" holds a character no file name may
  // hold; Windows forbids a few more than Linux.
  QString name = QStringLiteral("PLUVIK %1 %2.pdf").arg(record.tab, record.at.date().toString(Qt::ISODate));
  for (const QChar forbidden : QStringLiteral("/\\:*?\"<>|")) name.replace(forbidden, '-');
  const QString proposed = QDir(platform_.DocumentsFolder()).filePath(name);
  const QString title = Say("Spara beräkning som PDF", "Gem beregning som PDF");
  QString path;
  RunDialog([&] { path = platform_.SaveFileName(this, title, proposed); });
  if (path.isEmpty()) return;
  if (!WriteRecordPdf(record, path))
    ShowMessage(QString::fromUtf8("Beräkningen kunde inte sparas i %1").arg(QDir::toNativeSeparators(path)));
}

void TForm1::PrintRecord() {
  const CalcRecord record = ActiveRecord();
  RunDialog(
      [&] { platform_.Print(this, [&record](QPagedPaintDevice& device) { return PaintRecord(record, device); }); });
}

bool TForm1::RecordKey(int key, Qt::KeyboardModifiers modifiers) {
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  if (modifiers == (ctrl | Qt::ShiftModifier) && key == Qt::Key_C) {
    RunGuarded(this, [this] { CopyRecord(); });
    return true;
  }
  if (modifiers == ctrl && key == Qt::Key_S) {
    RunGuarded(this, [this] { SaveRecord(); });
    return true;
  }
  if (modifiers == ctrl && key == Qt::Key_P) {
    RunGuarded(this, [this] { PrintRecord(); });
    return true;
  }
  return false;
}

void TForm1::ShowRecordMenu(QWidget* page, const QPoint& at) {
  QMenu menu(page);
  QAction* print = menu.addAction(Say("Skriv ut beräkning...", "Udskriv beregning..."));
  print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  QAction* save = menu.addAction(Say("Spara beräkning som PDF...", "Gem beregning som PDF..."));
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  QAction* copy = menu.addAction(Say("Kopiera beräkning som text", "Kopiér beregning som tekst"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  QAction* chosen = nullptr;
  RunDialog([&] { chosen = menu.exec(page->mapToGlobal(at)); });
  if (chosen == print) PrintRecord();
  if (chosen == save) SaveRecord();
  if (chosen == copy) CopyRecord();
}
