#include "tests/kit/recording_platform.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPushButton>
#include <QTest>

#include "app/aboutbox.h"
#include "app/record.h"
#include "app/widgets/combobox.h"

void RecordingPlatform::TakeFocus() {
  if (!boxesTakeFocus) return;
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
}

void RecordingPlatform::ShowMessage(QWidget*, const QString& text) {
  messages_ << "message: " + text;
  TakeFocus();
}

void RecordingPlatform::ShowError(QWidget*, const QString& title, const QString& text) {
  messages_ << "error: " + text;
  TakeFocus();
  lastErrorTitle = title;
}

void RecordingPlatform::ShowAboutModal(TAboutBox& box) {
  messages_ << "about";
  // The box is shown for real, so the user's clicks are real events; it is
  // closed with its OK button as the user would.
  box.show();
  // An inactive box still takes the clicks below, so its activation is only
  // waited for, not required.
  if (!QTest::qWaitForWindowActive(&box, 1000)) box.raise();
  if (aboutLanguageSet) {
    QLineEdit* edit = box.SpraakComboBox->lineEdit();
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    if (aboutLanguage.isEmpty())
      QTest::keyClick(edit, Qt::Key_Delete);
    else
      QTest::keyClicks(edit, aboutLanguage);
    aboutLanguageSet = false;
  }
  if (aboutManual) {
    QTest::mouseClick(box.Manual, Qt::LeftButton);
    aboutManual = false;
  }
  QTest::mouseClick(box.OKButton, Qt::LeftButton);
  box.hide();
  QCoreApplication::processEvents();
}

void RecordingPlatform::OpenDocument(const QString& path) { messages_ << "open: " + path; }

QString RecordingPlatform::ProgramPath() {
  const QString real = QtPlatform::ProgramPath();
  if (programDir.isEmpty()) return real;
  return QDir::toNativeSeparators(QDir(programDir).filePath(QFileInfo(real).fileName()));
}

QStringList RecordingPlatform::TakeMessages() {
  QStringList taken;
  taken.swap(messages_);
  return taken;
}

QString RecordingPlatform::SaveFileName(QWidget*, const QString&, const QString& proposed, const QString&) {
  messages_ << "save: " + proposed;
  TakeFocus();
  return std::exchange(saveFile, QString());
}

QString RecordingPlatform::OpenFileName(QWidget*, const QString&, const QString& folder, const QString&) {
  messages_ << "opendialog: " + folder;
  TakeFocus();
  return std::exchange(openFile, QString());
}

void RecordingPlatform::Print(QWidget*, const std::function<int(QPagedPaintDevice&)>& paint) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  SetRecordPage(writer);
  writer.setResolution(1200);
  messages_ << "print " + QString::number(paint(writer));
  TakeFocus();
}

QPalette DarkDesktopPalette() {
  QPalette dark;
  const QColor window(53, 53, 53), base(35, 35, 35), text(Qt::white), accent(42, 130, 218);
  for (const auto& [role, colour] :
       std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{{QPalette::Window, window},
                                                                     {QPalette::WindowText, text},
                                                                     {QPalette::Base, base},
                                                                     {QPalette::AlternateBase, window},
                                                                     {QPalette::ToolTipBase, base},
                                                                     {QPalette::ToolTipText, text},
                                                                     {QPalette::Text, text},
                                                                     {QPalette::Button, window},
                                                                     {QPalette::ButtonText, text},
                                                                     {QPalette::BrightText, Qt::red},
                                                                     {QPalette::Mid, QColor(80, 80, 80)},
                                                                     {QPalette::Highlight, accent},
                                                                     {QPalette::HighlightedText, base}})
    dark.setColor(role, colour);
  return dark;
}
