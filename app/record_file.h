// The calculation inside a saved record, so that it can be opened again: a
// small JSON file embedded in the PDF as a file of the document (Qt's
// QPdfWriter::addFileAttachment), and the reader that takes it out again,
// through the PDF module loaded at the first opening. The reader knows only
// our own files; any other PDF is "not a record".
//
// Format 2: {"pluvik": "record", "format": 2, "program": VERSION, "page":
// the tab page's name, "language": "sv" | "da", "separator": "." | ",",
// "inputs": [[CONTROL, TEXT], ...] in the order they are set again (a list's
// item by its index, or "=" and the text typed in its edit line), "result":
// whether a result was shown, "results": [TEXT, ...] the results as shown,
// "rows": [[CELL, ...], ...] the duct grid's rows, "sections": [{FIELD: TEXT,
// ...}, ...] a run's sections by their fields' names}. Format 1 was the same,
// with a list's item always by its index, a run's sections as inputs in a
// fixed order of fields, and embedded by an incremental
// update with an MD5 checksum in the file's entry; it opens as before.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "app/record.h"

inline constexpr int kRecordFormat = 2;
// The name of the embedded file.
inline constexpr char kRecordFileName[] = "pluvik-record.json";

struct RecordFile {
  int format = kRecordFormat;
  QString program;
  QString page;
  bool danish = false;
  QChar separator = '.';
  TypedInputs typed;
  QList<SavedSection> sections;
  bool result = false;
  QStringList results;
  QList<QStringList> rows;
};

// The record's calculation as the embedded file's bytes.
QByteArray RecordFileBytes(const CalcRecord& record);

enum class RecordFileFault {
  None,
  Unreadable,  // the system could not read the file (detail: its reason)
  NotRecord,   // no PDF, or one without a calculation of ours
  Damaged,     // cut off, or its calculation does not read back whole
  Newer,       // a format this version does not know (detail: the format)
  NoReader,    // the PDF module could not be loaded (detail: why)
};

struct RecordFileRead {
  RecordFileFault fault = RecordFileFault::None;
  QString detail;
  RecordFile file;
};

// The calculation embedded in the PDF at `path`.
RecordFileRead ReadRecordFile(const QString& path);
