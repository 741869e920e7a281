#include "app/record_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibrary>

#include "app/pdf_read.h"
#include "app/version.h"

namespace {

// A record is a few pages; anything much larger is no record of ours.
constexpr qint64 kLargestRecord = 64 * 1024 * 1024;

QJsonArray Strings(const QStringList& texts) {
  QJsonArray array;
  for (const QString& text : texts) array.append(text);
  return array;
}

// The calculation carries the MD5 of its own text, taken with 32 zeros in the
// place of the sum, so that a changed byte is found wherever it falls.
constexpr char kNoCheck[] = "00000000000000000000000000000000";

QByteArray Checksum(const QByteArray& payload) {
  return QCryptographicHash::hash(payload, QCryptographicHash::Md5).toHex();
}

// Whether a calculation of format 2 or later is whole: its "check" is the sum
// of its text with the sum zeroed.
bool Whole(const QByteArray& payload) {
  static const QByteArray key = "\"check\":\"";
  const qsizetype at = payload.indexOf(key);
  if (at < 0 || at + key.size() + 32 > payload.size()) return false;
  const QByteArray sum = payload.mid(at + key.size(), 32);
  QByteArray zeroed = payload;
  zeroed.replace(at + key.size(), 32, kNoCheck);
  return sum == Checksum(zeroed);
}

// The PDF module's entry, loaded at its first use and kept for the program's
// life; nullptr when the module cannot be loaded (`reason` says why).
EmbeddedFileFunction EmbeddedFileReader(QString& reason) {
  static QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pluvik_pdfread")));
  static const auto read = reinterpret_cast<EmbeddedFileFunction>(module.resolve("PluvikEmbeddedFile"));
  if (!read) reason = module.errorString();
  return read;
}

RecordFileRead Fault(RecordFileFault fault, const QString& detail = QString()) { return {fault, detail, {}}; }

RecordFileRead Parse(const QByteArray& payload) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
  const QJsonObject root = document.object();
  if (error.error != QJsonParseError::NoError || !document.isObject() || root.value("pluvik").toString() != "record")
    return Fault(RecordFileFault::Damaged);
  RecordFileRead read;
  RecordFile& file = read.file;
  file.format = root.value("format").toInt(0);
  if (file.format > kRecordFormat) return Fault(RecordFileFault::Newer, QString::number(file.format));
  if (file.format < 1 || (file.format >= 2 && !Whole(payload))) return Fault(RecordFileFault::Damaged);
  file.program = root.value("program").toString();
  file.page = root.value("page").toString();
  const QString language = root.value("language").toString();
  const QString separator = root.value("separator").toString();
  if (file.page.isEmpty() || (language != "sv" && language != "da") || (separator != "." && separator != ","))
    return Fault(RecordFileFault::Damaged);
  file.danish = language == "da";
  file.separator = separator[0];
  for (const QJsonValue entry : root.value("inputs").toArray()) {
    const QJsonArray pair = entry.toArray();
    if (pair.size() != 2 || !pair[0].isString() || !pair[1].isString()) return Fault(RecordFileFault::Damaged);
    file.typed << std::pair{pair[0].toString(), pair[1].toString()};
  }
  if (!root.value("result").isBool() || !root.value("inputs").isArray()) return Fault(RecordFileFault::Damaged);
  file.result = root.value("result").toBool();
  for (const QJsonValue text : root.value("results").toArray()) file.results << text.toString();
  for (const QJsonValue entry : root.value("sections").toArray()) {
    if (!entry.isObject()) return Fault(RecordFileFault::Damaged);
    SavedSection section;
    const QJsonObject fields = entry.toObject();
    for (auto field = fields.begin(); field != fields.end(); ++field) {
      if (!field.value().isString()) return Fault(RecordFileFault::Damaged);
      section.insert(field.key(), field.value().toString());
    }
    file.sections << section;
  }
  for (const QJsonValue row : root.value("rows").toArray()) {
    QStringList cells;
    for (const QJsonValue cell : row.toArray()) cells << cell.toString();
    file.rows << cells;
  }
  return read;
}

}  // namespace

QByteArray RecordFileBytes(const CalcRecord& record) {
  QJsonArray inputs;
  for (const auto& [name, text] : record.typed) inputs.append(QJsonArray{name, text});
  QJsonArray results;
  for (const RecordLine& line : record.results) results.append(line.value);
  QJsonArray rows;
  for (const QStringList& row : record.table.rows) rows.append(Strings(row));
  QJsonArray sections;
  for (const SavedSection& section : record.sections) {
    QJsonObject fields;
    for (auto field = section.cbegin(); field != section.cend(); ++field) fields.insert(field.key(), field.value());
    sections.append(fields);
  }
  const QJsonObject root{{"check", QString(kNoCheck)},
                         {"pluvik", "record"},
                         {"format", kRecordFormat},
                         {"program", PLUVIK_VERSION},
                         {"page", record.page},
                         {"language", record.danish ? "da" : "sv"},
                         {"separator", QString(record.separator)},
                         {"inputs", inputs},
                         {"result", !record.noResult},
                         {"results", results},
                         {"rows", rows},
                         {"sections", sections}};
  QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Compact);
  return bytes.replace(kNoCheck, Checksum(bytes));
}

RecordFileRead ReadRecordFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Fault(RecordFileFault::Unreadable, file.errorString());
  if (file.size() > kLargestRecord) return Fault(RecordFileFault::NotRecord);
  const QByteArray pdf = file.readAll();
  if (file.error() != QFileDevice::NoError) return Fault(RecordFileFault::Unreadable, file.errorString());
  if (!pdf.startsWith("%PDF-")) return Fault(RecordFileFault::NotRecord);

  QString reason;
  const EmbeddedFileFunction read = EmbeddedFileReader(reason);
  if (!read) return Fault(RecordFileFault::NoReader, reason);
  std::string payload;
  std::string checksum;
  switch (read(pdf.toStdString(), kRecordFileName, payload, checksum)) {
    case EmbeddedFileFault::None: break;
    case EmbeddedFileFault::NoFile: return Fault(RecordFileFault::NotRecord);
    case EmbeddedFileFault::Damaged: return Fault(RecordFileFault::Damaged);
  }
  const QByteArray bytes = QByteArray::fromStdString(payload);
  // A checksum in the file's entry (records of format 1 have one) must match.
  if (!checksum.empty() &&
      QCryptographicHash::hash(bytes, QCryptographicHash::Md5) != QByteArray::fromStdString(checksum))
    return Fault(RecordFileFault::Damaged);
  return Parse(bytes);
}
