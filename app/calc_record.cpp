// The record of the active tab's calculation: copied as text (Ctrl+Shift+C),
// saved as a PDF file (Ctrl+S) or printed (Ctrl+P), also from a context menu
// on each tab page. Nothing of it exists before the user asks for it.
//
// A record is one calculation. When a tab's ENTER handler has run, the tab
// keeps the record of what it read and showed (KeepCalculation); the record
// made later is that one, never the fields as they stand afterwards. An input
// changed since is said in one line; results no longer shown give a record
// that says no result is shown.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include "app/duct_run_window.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "app/record.h"
#include "app/widgets/spoken.h"

QString TForm1::Say(lang::Words words) const { return QString::fromUtf8(danishTexts_ ? words.danish : words.swedish); }

QString TForm1::Figure(double value, int digits) const {
  // Up to ten significant digits: 0.09000001 and 1e-10 as the model has them.
  QString text = QString::number(value, 'g', digits);
  if (!GDecimalPunkt) text.replace('.', ',');
  return text;
}

CalcRecord TForm1::NewRecord() const {
  CalcRecord record;
  record.danish = danishTexts_;
  record.page = PageControl1->ActivePage()->objectName();
  record.tab = PageControl1->Caption(PageControl1->IndexOf(PageControl1->ActivePage()));
  record.at = platform_.Now();
  record.separator = GDecimalPunkt ? '.' : ',';
  return record;
}

RecordLine TForm1::Shown(const QString& caption, const QString& text) const {
  // A blank that ends a text (the roughness taken from a material) is not seen.
  const QString shown = text.trimmed();
  return {caption, shown.isEmpty() ? Say(lang::Word("RecordEmpty")) : shown, QString()};
}

QString TForm1::ScreenName(const QWidget* control) const {
  if (const auto* field = qobject_cast<const TEdit*>(control)) return field->SpokenCaption();
  if (!control->accessibleName().isEmpty()) return control->accessibleName();
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  return control->objectName();
}

TForm1::Calculation::Calculation(TForm1& form, QWidget* page)
    : form_(form), page_(page), exceptions_(std::uncaught_exceptions()), outer_(form.calculating_ == 0) {
  ++form_.calculating_;
  // Whatever the calculation ends with, the earlier one is no longer shown.
  if (outer_) {
    form_.kept_.remove(page_);
    form_.calculationDone_ = false;
  }
}

TForm1::Calculation::~Calculation() {
  --form_.calculating_;
  // Only a calculation that ran to its end and wrote its results is kept: a
  // fault, a refusal or a missing input leaves no record of it.
  if (!outer_ || std::uncaught_exceptions() > exceptions_ || form_.takingDown_) return;
  if (!form_.calculationDone_) {
    // A handler run for a tab switch or a unit change refuses silently.
    if (form_.enterPressed_) form_.AnnounceRefusal(page_);
    return;
  }
  try {
    form_.KeepCalculation(page_);
  } catch (const std::exception&) {
    // A field that no longer reads leaves no record to keep.
    form_.kept_.remove(page_);
  }
}

void TForm1::KeepCalculation(QWidget* page) {
  QWidget* active = PageControl1->ActivePage();
  // The record names the tab it was made on.
  if (active != page) return;
  CalcRecord record = BuildRecord(page, true);
  record.typed = TypedInputsOf(page);
  record.shownResults = ShownResults(page);
  kept_.insert(page, record);
  AnnounceResults(page, record);
}

void TForm1::AnnounceResults(QWidget* page, const CalcRecord& record) {
  if (!QAccessible::isActive()) return;
  // The results in reading order: the result lines, then what the tab adds
  // (the duct grid's row).
  QStringList said;
  for (const RecordLine& line : record.results) said << line.caption + ": " + line.value;
  if (const TabDescription description = Describe(page); description.announced) said << description.announced(record);
  if (said.isEmpty()) return;
  Announce(this, resultNotice_, QStringLiteral("Resultat"), Say(lang::Word("AnnouncedResults")).arg(said.join("; ")));
}

CalcRecord TForm1::NoResultRecord(QWidget* page) { return BuildRecord(page, false); }

CalcRecord TForm1::ActiveRecord() {
  QWidget* page = PageControl1->ActivePage();
  const auto kept = kept_.constFind(page);
  if (kept == kept_.constEnd() || kept->noResult) return NoResultRecord(page);
  CalcRecord record = *kept;
  record.at = platform_.Now();
  // The results the calculation showed must still stand on the screen: a
  // change handler that empties them leaves no result to record.
  if (ShownResults(page) != record.shownResults) return NoResultRecord(page);
  if (const TabDescription description = Describe(page); description.rows) {
    description.rows(record);
    if (record.table.rows.isEmpty()) return NoResultRecord(page);
  }
  record.changed = TypedInputsOf(page) != record.typed;
  return record;
}

void TForm1::CopyRecord() { CopyRecordOf(ActiveRecord()); }

void TForm1::SaveRecord() { SaveRecordOf(ActiveRecord()); }

void TForm1::PrintRecord() { PrintRecordOf(ActiveRecord()); }

namespace {

// The window a record's dialogs open above: the run window for its own.
QWidget* OwnerOf(const CalcRecord& record, TForm1* form, QWidget* run) {
  return run && record.page == run->objectName() ? run : form;
}

}  // namespace

void TForm1::CopyRecordOf(const CalcRecord& record) {
  platform_.SetClipboardTextAndHtml(RecordText(record), RecordHtml(record));
}

void TForm1::SaveRecordOf(const CalcRecord& record) {
  // A caption such as "Effekt / Flöde" holds a character no file name may
  // hold; Windows forbids a few more than Linux.
  QString name = QStringLiteral("PLUVIK %1 %2.pdf").arg(record.tab, record.at.date().toString(Qt::ISODate));
  for (const QChar forbidden : QStringLiteral("/\\:*?\"<>|")) name.replace(forbidden, '-');
  const QString proposed = QDir(platform_.DocumentsFolder()).filePath(name);
  const QString title = Say(lang::Word("RecordSaveTitle"));
  LoadQtTranslation();
  QString path;
  QWidget* owner = OwnerOf(record, this, stracka_);
  RunDialog([&] { path = platform_.SaveFileName(owner, title, proposed); });
  if (path.isEmpty()) return;
  QString reason;
  if (!WriteRecordPdf(record, path, &reason))
    ShowMessage(Say(lang::Word("SaveFailed")).arg(QDir::toNativeSeparators(path), reason), owner);
  else
    AnnounceSaved(owner, path);
}

void TForm1::AnnounceSaved(QWidget* owner, const QString& path) {
  const QString text = Say(lang::Word("Saved")).arg(QDir::toNativeSeparators(path));
  if (stracka_ && owner == stracka_)
    stracka_->SayToScreenReaders(text);
  else
    Announce(this, resultNotice_, QStringLiteral("Resultat"), text);
}

void TForm1::PrintRecordOf(const CalcRecord& record) {
  LoadQtTranslation();
  QWidget* owner = OwnerOf(record, this, stracka_);
  RunDialog(
      [&] { platform_.Print(owner, [&record](QPagedPaintDevice& device) { return PaintRecord(record, device); }); });
}

void TForm1::LoadQtTranslation() {
  const QString language = danishTexts_ ? QStringLiteral("da") : QStringLiteral("sv");
  if (qtTranslation_ == language) return;
  qtTranslation_ = language;
  if (qtTranslator_) QCoreApplication::removeTranslator(qtTranslator_);
  delete qtTranslator_;
  qtTranslator_ = new QTranslator(this);
  // Qt's own translations, where Qt keeps them, or beside the program; Qt
  // has its base module's texts in Danish in their own file, in Swedish only
  // in the older whole one.
  const QString ours = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
  const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath), ours};
  [&] {
    for (const QString& name : {QStringLiteral("qtbase_") + language, QStringLiteral("qt_") + language})
      for (const QString& folder : folders)
        if (qtTranslator_->load(name, folder)) {
          QCoreApplication::installTranslator(qtTranslator_);
          return;
        }
  }();
  // The dialog texts Qt's catalogues lack, from our own, asked first.
  if (extraTranslator_) QCoreApplication::removeTranslator(extraTranslator_);
  delete extraTranslator_;
  extraTranslator_ = new QTranslator(this);
  if (extraTranslator_->load(QStringLiteral("pluvik_qt_") + language, ours))
    QCoreApplication::installTranslator(extraTranslator_);
}

QAction* TForm1::CommandAction(Command command) {
  const CommandRow& row = CommandRowOf(command);
  QAction*& action = commandActions_[static_cast<int>(command)];
  if (!action) {
    action = new QAction(this);
    // The window takes the keys itself (CommandKey); the action shows them.
    action->setShortcut(QKeySequence(row.key));
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this,
            [this, command] { RunGuarded(this, [this, command] { RunCommand(command); }); });
  }
  action->setText(Say(row.name));
  return action;
}

bool TForm1::CommandKey(int key, Qt::KeyboardModifiers modifiers) {
  const auto command = CommandOfKey(QKeyCombination(modifiers, static_cast<Qt::Key>(key)), kMainWindow);
  if (!command) return false;
  bool taken = false;
  RunGuarded(this, [&] { taken = RunCommand(*command); });
  return taken;
}

bool TForm1::RunCommand(Command command) {
  switch (command) {
    case Command::Print: PrintRecord(); return true;
    case Command::Save: SaveRecord(); return true;
    case Command::Copy: CopyRecord(); return true;
    case Command::Open: OpenRecordDialog(); return true;
    case Command::AddToRun:
      // Ctrl+L belongs to the duct tab.
      if (PageControl1->ActivePage() != Kanalber) return false;
      AddToRun();
      return true;
    case Command::NextTab:
    case Command::PreviousTab: {
      // The next or previous tab, wrapping round, as a click on the tab.
      const int count = PageControl1->PageCount();
      const int at = PageControl1->IndexOf(PageControl1->ActivePage());
      PageControl1->ChooseTab((at + (command == Command::NextTab ? 1 : count - 1)) % count);
      return true;
    }
    case Command::OtherWindow:
      // Over to the run window, when it is up (its own F6 comes back).
      if (!stracka_ || !stracka_->isVisible()) return false;
      stracka_->raise();
      stracka_->activateWindow();
      stracka_->StrackaGrid->setFocus(Qt::OtherFocusReason);
      return true;
    default: return false;
  }
}

void TForm1::ShowRecordMenu(QWidget* page, const QPoint& at) {
  QMenu menu(page);
  QList<QAction*> actions;
  for (const CommandRow& row : kCommandTable) {
    if (!(row.windows & kMainWindow) || !row.name.swedish) continue;
    // The duct tab adds its chosen row to the duct run, apart from the record.
    if (row.command == Command::AddToRun) {
      if (page != Kanalber) continue;
      menu.addSeparator();
    }
    actions << CommandAction(row.command);
    menu.addAction(actions.back());
  }
  // The chosen entry runs once the menu has closed, not inside it.
  for (QAction* action : actions) action->blockSignals(true);
  QAction* chosen = nullptr;
  RunDialog([&] { chosen = menu.exec(page->mapToGlobal(at)); });
  for (QAction* action : actions) action->blockSignals(false);
  if (chosen) chosen->trigger();
}
