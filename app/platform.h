// The few services the program asks of the system. QtPlatform gives the real
// ones; RecordingPlatform stands in for them in the tests and the driver, so
// no real modal box can block and the separator and screen can be chosen.
#pragma once

#include <QChar>
#include <QDateTime>
#include <QSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;
class TAboutBox;

class Platform {
 public:
  virtual ~Platform() = default;

  // A plain message box: no icon, one OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The error box: error icon, one OK button, titled `title`.
  virtual void ShowError(QWidget* parent, const QString& title, const QString& text) = 0;
  // Shows the about box modally and returns when it is closed.
  virtual void ShowAboutModal(TAboutBox& box) = 0;
  // Hands a document to the application associated with its type.
  virtual void OpenDocument(const QString& path) = 0;
  // Whether a file (not a folder) exists; a link counts as what it points to.
  virtual bool FileExists(const QString& path) = 0;
  // Full path of the running program file, in the system's notation.
  virtual QString ProgramPath() = 0;
  virtual QSize ScreenSize() = 0;
  virtual int ScrollBarWidth() = 0;
  virtual QChar DecimalSeparator() = 0;
  // Puts a text on the system's clipboard.
  virtual void SetClipboardText(const QString& text) = 0;
  // Puts a text and the same as HTML on the clipboard, for a word processor
  // or a spreadsheet to paste as a table.
  virtual void SetClipboardTextAndHtml(const QString& text, const QString& html) = 0;
  // The local date and time.
  virtual QDateTime Now() = 0;
  // The user's documents folder.
  virtual QString DocumentsFolder() = 0;
  // The save dialog for a file of the kind `filter` names (a PDF file when
  // empty), proposing `proposed`; the chosen path, or an empty text when the
  // user cancels.
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                               const QString& filter = QString()) = 0;
  // The open dialog for a PDF file in `folder`; the chosen path, or an empty
  // text when the user cancels.
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) = 0;
  // The print dialog with a preview; `paint` draws the pages onto the printer
  // the user chose and returns how many it drew.
  virtual void Print(QWidget* parent, const std::function<int(QPagedPaintDevice&)>& paint) = 0;
};
