// The record of one tab's calculation, for the project file: a header with
// the program's version, the tab and the time, the inputs as the calculation
// read them, a few lines saying how the figures are worked out, and the
// results it showed. Each tab builds its record from its controls when a
// calculation has shown its results and keeps it (it changes no field and
// works out no result again; the CO2 record works out the generation rate
// for its method lines). A kept record whose inputs have changed since says
// so (`changed`). This file turns a record into plain text for the clipboard
// and paints it onto pages, for a PDF file and for a printer.
#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

#include "app/widgets/paintbox.h"

class QImage;
class QPagedPaintDevice;

struct RecordLine {
  QString caption;  // the control's name on the screen, in the record's language
  QString value;    // the text as shown
  QString control;  // the control's name, where the line is one control's
};

// The inputs of a calculation as typed and chosen, by control name, in the
// order they are set again when the record is opened: a text, an item index,
// "1"/"0" for a box or button, "COL,ROW" for a chosen grid cell.
using TypedInputs = QList<std::pair<QString, QString>>;
// A saved section of a run window: its fields by name.
using SavedSection = QMap<QString, QString>;

// A result grid as shown; a cell over its limit is marked.
struct RecordTable {
  QStringList headings;
  QList<QStringList> rows;
  QList<QList<bool>> over;
};

struct CalcRecord {
  bool danish = false;  // the interface language of the calculation
  QString page;         // the tab page's name (Kanalber, Effekt, ...)
  QString tab;          // the tab's caption
  QDateTime at;
  QList<RecordLine> inputs;
  QStringList method;
  QList<RecordLine> results;
  RecordTable table;
  // How a search ended, or what the figures rest on.
  QStringList notes;
  bool noResult = false;  // no result is shown: the record says so
  bool changed = false;   // an input has changed since the calculation
  // The CO2 chart with this calculation's curves, drawn again as lines.
  std::optional<TPaintBox::Picture> chart;
  TypedInputs typed;             // what opening the record sets again
  QList<SavedSection> sections;  // a run's sections, what opening it sets again
  QChar separator = '.';         // the decimal separator of the typed inputs
  QStringList shownResults;      // the result fields' texts when it was kept
};

// The record as plain text, lines ending in "\n".
QString RecordText(const CalcRecord& record);
// The record as HTML, its inputs, results and grid as tables, for a word
// processor or a spreadsheet.
QString RecordHtml(const CalcRecord& record);
// A4 with the record's margins: what a PDF file gets, and what the print
// dialog proposes (the user may choose another page there).
void SetRecordPage(QPagedPaintDevice& device);
// Paints the record onto the pages of `device`; returns how many it drew.
int PaintRecord(const CalcRecord& record, QPagedPaintDevice& device);
// The first page of the record as a picture at `dpi` (for the manual).
QImage RecordPicture(const CalcRecord& record, int dpi);
// Writes the record as a PDF file at `path`. Nothing is left under that name
// when writing fails; returns whether the file was written, and else the
// system's reason in `reason`.
bool WriteRecordPdf(const CalcRecord& record, const QString& path, QString* reason = nullptr);
