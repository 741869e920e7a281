// The about box: program name and version, what it computes, the interface
// language choice and the manual.
#pragma once

#include <QDialog>
#include <QFileInfo>
#include <functional>

class Platform;
class QFrame;
class QLabel;
class QPushButton;
class TComboBox;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  // The box belongs to the main window, so that it opens above it and keeps
  // its stay-on-top company.
  explicit TAboutBox(Platform& platform, QWidget* mainWindow = nullptr);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Kommentar;
  QPushButton* OKButton;
  TComboBox* SpraakComboBox;
  QPushButton* Manual;

  // The folder of the running program, taken when the box is created.
  QString GProgramBibl;

  void FormCreate();
  // Opens the manual from the program's folder or its "Manualer" folder, or
  // says it cannot be found.
  void ManualClick();

  // Shows the box's own message ("Hittar ej manual"); the main window sets it
  // to its one place for dialogs. Unset, the box shows it itself.
  std::function<void(const QString&)> OnMessage;

  // Where the manual would be, in the order it is looked for.
  QStringList ManualCandidates() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Platform& platform_;
};

// The program path as a file, read with either separator, so that a Windows
// path reads the same on every system.
QFileInfo ProgramFile(const QString& programPath);
// The folder part of a program path: everything before the last separator,
// keeping the separator when it directly follows a drive or is the root.
QString ProgramFolder(const QString& programPath);
