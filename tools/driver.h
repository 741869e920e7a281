// pluvik-driver: runs the real window offscreen with the recording platform
// services and acts on it through real input events, line by line.
#pragma once

#include <QHash>
#include <QString>
#include <QTextStream>
#include <Qt>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class QWindow;
class TForm1;
class TAboutBox;
class RecordingPlatform;

class Driver {
 public:
  explicit Driver(QTextStream& out);
  ~Driver();

  // Runs the commands read from `in`, line by line; returns the exit status: 0 all checks
  // passed, 1 a check failed, 2 a line could not be read or named an unknown
  // control.
  int Run(QTextStream& in);

 private:
  struct LineError {
    QString message;
  };

  void Execute(const QString& line);
  bool SetUp(const QString& command, const QString& rest);
  void Start();
  void Act(const QString& command, const QString& rest);
  QString Query(const QString& query);
  // The queries by name, each printing one line for the rest of its line.
  using QueryFunction = std::function<QString(Driver&, const QString&)>;
  static const QHash<QString, QueryFunction>& Queries();
  QString TextOf(const QString& name);
  QString Sharp(const QString& name);

  QWidget* Control(const QString& name) const;
  template <typename T>
  T* ControlAs(const QString& name) const;
  static QStringList Words(const QString& text, int count, QString* tail = nullptr);
  static int Number(const QString& word);
  static QString Escape(QString text);
  QString FocusedName() const;
  void Settle();
  // Activates the window that holds `control`, when another one is active.
  QWidget* Reach(QWidget* control);
  // Drops the file at `path` on the window through a drag that enters,
  // moves and drops.
  void DropFile(const QString& path);
  QWindow* KeyWindow() const;
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void TypeText(const QString& text);
  void PressKey(const QString& keyName);
  void ClickButton(QWidget* widget);

  QTextStream& out_;
  std::unique_ptr<RecordingPlatform> platform_;
  std::unique_ptr<TForm1> form_;
  std::unique_ptr<TAboutBox> about_;
  int passed_ = 0;
  int failed_ = 0;
  int lineNo_ = 0;
};
