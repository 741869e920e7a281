// The duct run window ("Kanalsträcka"): the sections of a ventilation run,
// each a duct the user sized on the duct tab and added with Ctrl+L, with its
// length and the sum of its local loss coefficients typed here. Every edit
// works out that section again and every total at once: each section's
// friction and local losses, the totals from the fan, the index run and what
// every other outlet throttles (calc::SumRun). A fault gives one message in
// the line under the grid, a red cell and no totals.
//
// The window belongs to the main window and stays above it; it is made at
// the first Ctrl+L or at the first run opened, keeps its sections while the
// program runs and writes nothing to disk but what the user saves.
#pragma once

#include <QDialog>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

#include "app/commands.h"
#include "app/record.h"

class QLabel;
class TForm1;
class TStringGrid;
struct RecordFile;

// The duct tab's state a section was taken with: what its friction depends
// on besides its flow and dimension.
struct RunDuct {
  QString material;              // as the duct tab showed it
  bool circular = false;         // the circular shape was chosen: its joint coefficient counts
  int insulation = 0;            // mm
  float roughness = 0.0f;        // mm, as the sizing read it
  float joint = 0.0f;            // the joint coefficient ð as the sizing read it
  QHash<QString, float> joints;  // ð by dimension, where ð follows the series' dimension
  QString temperature;           // degrees C as typed
};

// One section as the grid shows it, and the duct model's figures for it.
struct RunRow {
  QString name;
  QString from;
  QString flow;  // l/s as shown or typed
  QString dimension;
  QString length;
  QString zeta;
  float flowValue = 0.0f;  // l/s, as the model takes it
  bool flowRead = true;    // the flow's text reads as a number
  RunDuct duct;
  // Worked out again when the flow or the dimension changes.
  bool modelled = false;
  QString modelFault;  // why the model gives no figures, or empty
  int modelFaultCol = 0;
  float v = 0.0f;
  float r = 0.0f;
  float rho = 0.0f;
};

class TStracka : public QDialog {
  Q_OBJECT
 public:
  explicit TStracka(TForm1& form);
  ~TStracka() override;

  TStringGrid* StrackaGrid;
  QLabel* StrackaSumma;

  // The grid's columns.
  enum Col {
    kName,
    kFrom,
    kFlow,
    kDimension,
    kLength,
    kZeta,
    kVelocity,
    kPerMetre,
    kFriction,
    kLocal,
    kSection,
    kFromFan,
    kThrottle,
    kCols
  };

  // Adds a section after the last one, continuing it; false (with one
  // message) when the run holds as many as it can.
  bool Add(RunRow row);
  int Count() const { return static_cast<int>(rows_.size()); }
  // Names, headings and the lines in the interface language.
  void ApplyLanguage();
  // Says `text` once to screen readers through the window's notice.
  void SayToScreenReaders(const QString& text);
  // The run's record: the sections, their ducts, the method, the index run.
  CalcRecord Record() const;
  // What in a saved run no run can have; empty when it can be opened. A file
  // is checked without making the window.
  static QString ImpossibleInput(const TForm1& form, const RecordFile& file);
  // A saved run's sections, by their fields' names, from either format; none
  // for a format-1 run whose fields do not make whole sections.
  static std::optional<QList<SavedSection>> SectionsOf(const RecordFile& file);
  // Replaces the run with the saved one and works it out.
  void Open(const RecordFile& file);
  // The run as CSV text: the headings and a row per section, separated by
  // ";", numbers with the screen's decimal separator.
  QString CsvText() const;
  void SaveCsv();
  // The run's record printed, saved as a PDF, copied; a saved one opened.
  void PrintRecord();
  void SaveRecord();
  void CopyRecord();
  void OpenRecord();
  // A key of the command table for the run window; true when taken.
  bool Key(int key, Qt::KeyboardModifiers modifiers);
  // Runs a command of the run window; false when it does not apply now (the
  // grid's keys while the grid does not have the focus).
  bool RunCommand(Command command);
  // A flow in l/s as a section shows it: whole, or with two decimals.
  QString FlowText(float flow) const;
  // The section's flow from its text.
  void ReadFlow(RunRow& row, const QString& text) const;
  // Places the window beside the main window, on the screen.
  void PlaceBeside();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Recompute();
  void Model(RunRow& row) const;
  void Edited(int col, int row, const QString& text);
  // Says the chosen section's figures and the index run, or the fault, to
  // screen readers; for a section just added, its duct and figures.
  void AnnounceRun(bool added = false);
  void DeleteChosen();
  void MoveChosen(int by);
  void ShowMenu(const QPoint& at);
  void DrawCell(int col, int row, const QRect& rect, class TGridCanvas& canvas);
  void FitColumns();
  // The first fault of the sections' own inputs, with its cell; else the
  // length and the sum of coefficients it read.
  bool RowFault(int index, QString& message, int& col, double& length, double& zeta) const;
  QString Num(double value) const;

  TForm1& form_;
  QList<RunRow> rows_;
  // The cell of the fault shown, (-1, -1) for none.
  int faultCol_ = -1;
  int faultRow_ = -1;
  QString summary_;
  QString indexRun_;           // the index run and its loss, without its caption
  QWidget* notice_ = nullptr;  // made at the first result said
};
