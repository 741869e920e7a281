// The record of one tab's calculation, for the project file: a header with
// the program's version, the tab and the time, the inputs as the tab shows
// them, a few lines saying how the figures are worked out, and the results as
// shown. Each tab builds its record from its controls (it never calculates
// and changes no field); this file turns a record into plain text for the
// clipboard and paints it onto pages, for a PDF file and for a printer.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class QImage;
class QPagedPaintDevice;
class TPaintBox;

struct RecordLine {
  QString caption;  // the caption and unit as the tab shows them
  QString value;    // the text as shown
};

// A result grid as shown; a cell over its limit is marked.
struct RecordTable {
  QStringList headings;
  QList<QStringList> rows;
  QList<QList<bool>> over;
};

struct CalcRecord {
  bool danish = false;  // the interface language when the record was made
  QString tab;          // the tab's caption
  QDateTime at;
  QList<RecordLine> inputs;
  QStringList method;
  QList<RecordLine> results;
  RecordTable table;
  // How a search ended, what the figures rest on, or that no result is shown.
  QStringList notes;
  const TPaintBox* chart = nullptr;  // the CO2 chart, drawn again as lines
};

// The record as plain text, lines ending in "\n".
QString RecordText(const CalcRecord& record);
// A4 with the record's margins: what a PDF file gets, and what the print
// dialog proposes (the user may choose another page there).
void SetRecordPage(QPagedPaintDevice& device);
// Paints the record onto the pages of `device`; returns how many it drew.
int PaintRecord(const CalcRecord& record, QPagedPaintDevice& device);
// The first page of the record as a picture at `dpi` (for the manual).
QImage RecordPicture(const CalcRecord& record, int dpi);
// Writes the record as a PDF file at `path`. Nothing is left under that name
// when writing fails; returns whether the file was written.
bool WriteRecordPdf(const CalcRecord& record, const QString& path);
