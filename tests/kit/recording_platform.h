// The test kit: platform services for the tests and the driver: records every message and
// opened document, answers the about box as told, and lets the caller choose
// the decimal separator, the screen size and the program's folder.
#pragma once

#include <QPalette>
#include <QStringList>

#include "app/qt_platform.h"

// A dark desktop palette, as a dark theme gives the program (with the
// Fusion style): the driver's "palette dark" and the GUI tests use it.
QPalette DarkDesktopPalette();

// What it does not record or choose (whether a file exists, the scroll bar
// width) it asks of the system as the program does.
class RecordingPlatform : public QtPlatform {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& title, const QString& text) override;
  void ShowAboutModal(TAboutBox& box) override;
  void OpenDocument(const QString& path) override;
  QString ProgramPath() override;
  QSize ScreenSize() override { return screen; }
  QChar DecimalSeparator() override { return separator; }
  void SetClipboardText(const QString& text) override {
    clipboard = text;
    clipboardHtml.clear();
  }
  void SetClipboardTextAndHtml(const QString& text, const QString& html) override {
    clipboard = text;
    clipboardHtml = html;
  }
  // Records "opendialog: FOLDER" and answers with `openFile`.
  QString OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
  QDateTime Now() override { return now.isValid() ? now : QtPlatform::Now(); }
  QString DocumentsFolder() override { return documents.isEmpty() ? QtPlatform::DocumentsFolder() : documents; }
  // Answers the save dialog with `saveFile` (empty: the user cancels) and
  // records "save: PROPOSED".
  QString SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                       const QString& filter = QString()) override;
  // Paints the pages into a PDF in memory, records "print N" and prints
  // nothing.
  void Print(QWidget* parent, const std::function<int(QPagedPaintDevice&)>& paint) override;

  // Everything shown since the last call, oldest first, as
  // "message: TEXT", "error: TEXT", "about" or "open: PATH".
  QStringList TakeMessages();

  QChar separator = '.';
  QSize screen{1920, 1080};
  QString programDir;  // empty: the real program's folder
  // What the user does the next time the about box is shown: leaves this text
  // in the language box (when set) and presses Manual first (when asked).
  bool aboutLanguageSet = false;
  QString aboutLanguage;
  bool aboutManual = false;
  // A real box takes the keyboard focus from the window while it is up.
  bool boxesTakeFocus = false;
  // What was last put on the clipboard, as text and as HTML.
  QString clipboard;
  QString clipboardHtml;
  // The title of the last error box.
  QString lastErrorTitle;
  // The clock, when set; the documents folder, when set.
  QDateTime now;
  QString documents;
  // The answer to the next save dialog, and to the next open dialog.
  QString saveFile;
  QString openFile;

 private:
  void TakeFocus();
  QStringList messages_;
};
