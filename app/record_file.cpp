#include "app/record_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

#include "app/version.h"

namespace {

constexpr char kFileName[] = "pluvik-record.json";
// A record is a few pages; anything much larger is no record of ours.
constexpr qint64 kLargestRecord = 64 * 1024 * 1024;

QJsonArray Strings(const QStringList& texts) {
  QJsonArray array;
  for (const QString& text : texts) array.append(text);
  return array;
}

// The last number after `key` ("/Size 25", "startxref\n16157") in `text`.
std::optional<qint64> NumberAfter(const QByteArray& text, const QByteArray& key, qsizetype from = 0) {
  const qsizetype at = text.indexOf(key, from);
  if (at < 0) return std::nullopt;
  qsizetype i = at + key.size();
  while (i < text.size() && (text[i] == ' ' || text[i] == '\r' || text[i] == '\n')) ++i;
  qsizetype end = i;
  while (end < text.size() && end - i < 12 && text[end] >= '0' && text[end] <= '9') ++end;
  if (end == i) return std::nullopt;
  return text.mid(i, end - i).toLongLong();
}

// The cross-reference table that starts at `offset`: object number to
// offset; empty when there is none there.
QMap<int, qint64> CrossReferences(const QByteArray& pdf, qint64 offset) {
  QMap<int, qint64> objects;
  if (offset < 0 || offset >= pdf.size() || !pdf.mid(offset, 4).startsWith("xref")) return objects;
  qsizetype i = pdf.indexOf('\n', offset) + 1;
  while (i > 0 && i < pdf.size() && !pdf.mid(i, 7).startsWith("trailer")) {
    const qsizetype eol = pdf.indexOf('\n', i);
    if (eol < 0) return {};
    const QList<QByteArray> head = pdf.mid(i, eol - i).trimmed().split(' ');
    bool firstRead = false, countRead = false;
    const int first = head.value(0).toInt(&firstRead);
    const int count = head.value(1).toInt(&countRead);
    if (head.size() != 2 || !firstRead || !countRead || count < 0 || count > 100000) return {};
    i = eol + 1;
    for (int k = 0; k < count; ++k, i += 20) {
      if (i + 20 > pdf.size()) return {};
      const QByteArray entry = pdf.mid(i, 20);
      if (entry[17] == 'n') objects.insert(first + k, entry.left(10).toLongLong());
    }
  }
  return objects;
}

// The text of object `number` from "N 0 obj" to "endobj"; a stream's text
// to the end of the file, since its bytes may hold any word.
QByteArray Object(const QByteArray& pdf, const QMap<int, qint64>& objects, int number, bool stream = false) {
  const qint64 at = objects.value(number, -1);
  if (at < 0 || at >= pdf.size() || !pdf.mid(at).startsWith(QByteArray::number(number) + " 0 obj")) return {};
  if (stream) return pdf.mid(at);
  const qsizetype end = pdf.indexOf("endobj", at);
  return end < 0 ? QByteArray() : pdf.mid(at, end - at);
}

std::optional<int> Reference(const QByteArray& text, const QString& pattern) {
  const QRegularExpressionMatch match = QRegularExpression(pattern).match(QString::fromLatin1(text));
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).toInt();
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
  if (file.format < 1) return Fault(RecordFileFault::Damaged);
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
  const QJsonObject root{{"pluvik", "record"},
                         {"format", kRecordFormat},
                         {"program", PLUVIK_VERSION},
                         {"page", record.page},
                         {"language", record.danish ? "da" : "sv"},
                         {"separator", QString(record.separator)},
                         {"inputs", inputs},
                         {"result", !record.noResult},
                         {"results", results},
                         {"rows", rows}};
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QByteArray WithEmbeddedRecord(const QByteArray& pdf, const QByteArray& payload) {
  // The document's catalog gains the embedded file in a new version of
  // itself, written after the pages with its own cross-reference section.
  const qsizetype startxref = pdf.lastIndexOf("startxref");
  const qsizetype trailer = pdf.lastIndexOf("trailer");
  const auto previous = NumberAfter(pdf, "startxref", startxref);
  const auto size = NumberAfter(pdf, "/Size", trailer);
  if (startxref < 0 || trailer < 0 || !previous || !size) return {};
  const QByteArray trailerText = pdf.mid(trailer, startxref - trailer);
  const auto root = Reference(trailerText, QStringLiteral("/Root (\\d+) 0 R"));
  const auto info = Reference(trailerText, QStringLiteral("/Info (\\d+) 0 R"));
  const QByteArray catalog = root ? Object(pdf, CrossReferences(pdf, *previous), *root) : QByteArray();
  const qsizetype dictionaryEnd = catalog.lastIndexOf(">>");
  const qsizetype dictionaryStart = catalog.indexOf("<<");
  if (dictionaryStart < 0 || dictionaryEnd < dictionaryStart || catalog.contains("/Names")) return {};

  const int fileObject = static_cast<int>(*size);
  const int entryObject = fileObject + 1;
  QByteArray out = pdf;
  if (!out.endsWith('\n')) out += '\n';
  QList<std::pair<int, qint64>> written;
  const auto begin = [&](int number) {
    written << std::pair{number, out.size()};
    out += QByteArray::number(number) + " 0 obj\n";
  };
  const QByteArray checksum = QCryptographicHash::hash(payload, QCryptographicHash::Md5).toHex().toUpper();
  begin(fileObject);
  out += "<<\n/Type /EmbeddedFile\n/Subtype /application#2Fjson\n/Length " + QByteArray::number(payload.size()) +
         "\n/Params << /Size " + QByteArray::number(payload.size()) + " /CheckSum <" + checksum + "> >>\n>>\nstream\n" +
         payload + "\nendstream\nendobj\n";
  begin(entryObject);
  out += QByteArray("<<\n/Type /Filespec\n/F (") + kFileName + ")\n/UF (" + kFileName +
         ")\n/Desc (PLUVIK)\n/EF << /F " + QByteArray::number(fileObject) + " 0 R >>\n>>\nendobj\n";
  begin(*root);
  out += catalog.mid(dictionaryStart, dictionaryEnd - dictionaryStart) + "/Names << /EmbeddedFiles << /Names [(" +
         kFileName + ") " + QByteArray::number(entryObject) + " 0 R] >> >>\n>>\nendobj\n";

  const qint64 xref = out.size();
  out += "xref\n";
  std::sort(written.begin(), written.end());
  for (const auto& [number, offset] : written)
    out += QByteArray::number(number) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
  out +=
      "trailer\n<<\n/Size " + QByteArray::number(entryObject + 1) + "\n/Root " + QByteArray::number(*root) + " 0 R\n";
  if (info) out += "/Info " + QByteArray::number(*info) + " 0 R\n";
  out += "/Prev " + QByteArray::number(*previous) + "\n>>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
  return out;
}

RecordFileRead ReadRecordFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Fault(RecordFileFault::Unreadable, file.errorString());
  if (file.size() > kLargestRecord) return Fault(RecordFileFault::NotRecord);
  const QByteArray pdf = file.readAll();
  if (file.error() != QFileDevice::NoError) return Fault(RecordFileFault::Unreadable, file.errorString());
  if (!pdf.startsWith("%PDF-")) return Fault(RecordFileFault::NotRecord);
  // A PDF ends with where its cross-references start; a cut-off one does not.
  const qsizetype startxref = pdf.lastIndexOf("startxref");
  if (startxref < 0 || !pdf.mid(startxref).contains("%%EOF")) return Fault(RecordFileFault::Damaged);
  if (!pdf.contains(kFileName)) return Fault(RecordFileFault::NotRecord);

  const auto xref = NumberAfter(pdf, "startxref", startxref);
  const QMap<int, qint64> objects = xref ? CrossReferences(pdf, *xref) : QMap<int, qint64>{};
  const qsizetype trailer = pdf.lastIndexOf("trailer");
  const auto root = Reference(pdf.mid(trailer, startxref - trailer), QStringLiteral("/Root (\\d+) 0 R"));
  const QByteArray catalog = root ? Object(pdf, objects, *root) : QByteArray();
  const auto fileEntry =
      Reference(catalog, QStringLiteral("/EmbeddedFiles << /Names \\[\\(pluvik-record\\.json\\) (\\d+) 0 R\\]"));
  const auto embedded =
      fileEntry ? Reference(Object(pdf, objects, *fileEntry), QStringLiteral("/EF << /F (\\d+) 0 R")) : std::nullopt;
  const QByteArray stream = embedded ? Object(pdf, objects, *embedded, true) : QByteArray();
  const auto length = NumberAfter(stream, "/Length");
  const qsizetype data = stream.indexOf("stream\n");
  if (!length || data < 0 || data + 7 + *length > stream.size()) return Fault(RecordFileFault::Damaged);
  const QByteArray payload = stream.mid(data + 7, *length);
  const QRegularExpressionMatch sum =
      QRegularExpression(QStringLiteral("/CheckSum <([0-9A-F]{32})>")).match(QString::fromLatin1(stream.left(data)));
  if (!sum.hasMatch() ||
      sum.captured(1).toLatin1() != QCryptographicHash::hash(payload, QCryptographicHash::Md5).toHex().toUpper())
    return Fault(RecordFileFault::Damaged);
  return Parse(payload);
}
