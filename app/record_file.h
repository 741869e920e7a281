// The calculation inside a saved record, so that it can be opened again: a
// small JSON file embedded in the PDF (an embedded file of the document,
// added as an incremental update after Qt has written the pages), and the
// reader that takes it out of a PDF this program wrote. The reader knows
// only our own files; any other PDF is "not a record".
//
// Format 1: {"pluvik": "record", "format": 1, "program": VERSION, "page":
// the tab page's name, "language": "sv" | "da", "separator": "." | ",",
// "inputs": [[CONTROL, TEXT], ...] in the order they are set again,
// "result": whether a result was shown, "results": [TEXT, ...] the result
// fields as shown, "rows": [[CELL, ...], ...] the duct grid's rows}.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "app/record.h"

inline constexpr int kRecordFormat = 1;

struct RecordFile {
  int format = kRecordFormat;
  QString program;
  QString page;
  bool danish = false;
  QChar separator = '.';
  TypedInputs typed;
  bool result = false;
  QStringList results;
  QList<QStringList> rows;
};

// The record's calculation as the embedded file's bytes.
QByteArray RecordFileBytes(const CalcRecord& record);

// `pdf` with `payload` embedded as the file "pluvik-record.json"; empty when
// `pdf` is not a PDF as Qt writes it.
QByteArray WithEmbeddedRecord(const QByteArray& pdf, const QByteArray& payload);

enum class RecordFileFault {
  None,
  Unreadable,  // the system could not read the file (detail: its reason)
  NotRecord,   // no PDF, or one without a calculation of ours
  Damaged,     // cut off, or its calculation does not read back whole
  Newer,       // a format this version does not know (detail: the format)
};

struct RecordFileRead {
  RecordFileFault fault = RecordFileFault::None;
  QString detail;
  RecordFile file;
};

// The calculation embedded in the PDF at `path`.
RecordFileRead ReadRecordFile(const QString& path);
