#include "app/record.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <functional>
#include <memory>

#include "app/record_file.h"
#include "app/version.h"
#include "app/widgets/paintbox.h"
#include "lang/texts.h"

namespace {

// The record's own words, in the language of its calculation.
QString Say(const CalcRecord& record, lang::Words words) {
  return QString::fromUtf8(record.danish ? words.danish : words.swedish);
}

// The lines the record ends its results with: that no result is shown.
QStringList ClosingNotes(const CalcRecord& record) {
  QStringList notes = record.notes;
  if (record.noResult) notes << Say(record, lang::Word("RecordNoResult"));
  return notes;
}

QString Heading() { return QStringLiteral("PLUVIK " PLUVIK_VERSION); }

// A cell over its limit carries a star, so the mark survives where colour
// does not (plain text, black-and-white print).
QString CellText(const RecordTable& table, qsizetype row, qsizetype col) {
  const QString text = table.rows[row][col];
  const bool over = row < table.over.size() && col < table.over[row].size() && table.over[row][col];
  return over ? text + QStringLiteral(" *") : text;
}

bool AnyOver(const RecordTable& table) {
  for (const QList<bool>& row : table.over)
    if (row.contains(true)) return true;
  return false;
}

}  // namespace

QString RecordText(const CalcRecord& record) {
  QStringList lines{Heading(),
                    record.tab,
                    record.at.toString(Qt::ISODate),
                    Say(record, lang::Word("RecordProject")),
                    Say(record, lang::Word("RecordObject")),
                    Say(record, lang::Word("RecordSignature"))};
  lines << QString() << Say(record, lang::Word("RecordInputs"));
  if (record.changed) lines << "  " + Say(record, lang::Word("RecordChanged"));
  for (const RecordLine& input : record.inputs) lines << "  " + input.caption + ": " + input.value;
  lines << QString() << Say(record, lang::Word("RecordMethod"));
  for (const QString& line : record.method) lines << "  " + line;
  lines << QString() << Say(record, lang::Word("RecordResults"));
  for (const RecordLine& result : record.results) lines << "  " + result.caption + ": " + result.value;
  if (!record.table.headings.isEmpty()) {
    lines << "  " + record.table.headings.join('\t');
    for (qsizetype row = 0; row < record.table.rows.size(); ++row) {
      QStringList cells;
      for (qsizetype col = 0; col < record.table.rows[row].size(); ++col) cells << CellText(record.table, row, col);
      lines << "  " + cells.join('\t');
    }
    if (AnyOver(record.table)) lines << "  " + Say(record, lang::Word("RecordOver"));
  }
  for (const QString& note : ClosingNotes(record)) lines << "  " + note;
  return lines.join('\n') + '\n';
}

namespace {

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

// Caption and value pairs as a table of two columns.
QString LinesTable(const QList<RecordLine>& lines) {
  if (lines.isEmpty()) return {};
  QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
  for (const RecordLine& line : lines)
    html += "<tr><td>" + Escaped(line.caption) + ":&nbsp;&nbsp;</td><td>" + Escaped(line.value) + "</td></tr>";
  return html + "</table>";
}

// The grid as shown, its heading row repeated on every page; a cell over
// its limit bold, with its star. On paper the columns stand without a frame
// round every cell, a rule under the headings (a frame round each of a long
// series' cells costs more to draw than its text); pasted, a table with
// borders.
QString GridTable(const RecordTable& table, bool forPaper) {
  QString html = forPaper ? QStringLiteral("<table border=\"0\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>")
                          : QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"><thead><tr>");
  const QString heading = forPaper ? QStringLiteral("<th style=\"border-bottom: 1px solid black\">") : "<th>";
  for (const QString& text : table.headings) html += heading + Escaped(text) + "</th>";
  html += QStringLiteral("</tr></thead>");
  for (qsizetype row = 0; row < table.rows.size(); ++row) {
    html += QStringLiteral("<tr>");
    for (qsizetype col = 0; col < table.rows[row].size(); ++col) {
      const QString cell = Escaped(CellText(table, row, col));
      const bool over = row < table.over.size() && col < table.over[row].size() && table.over[row][col];
      html += QStringLiteral("<td align=\"right\">") + (over ? "<b>" + cell + "</b>" : cell) + "</td>";
    }
    html += QStringLiteral("</tr>");
  }
  return html + "</table>";
}

QString RecordHtmlOf(const CalcRecord& record, bool forPaper) {
  QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>") + Escaped(Heading() + ' ' + record.tab) +
                 "</title></head><body>";
  html += "<h2>" + Escaped(Heading() + QStringLiteral(" \u2013 ") + record.tab) + "</h2>";
  html += "<p>" + Escaped(record.at.toString(Qt::ISODate)) + "</p>";
  // Lines to fill in by hand, and to sign.
  html += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">");
  for (const lang::Words fillIn :
       {lang::Word("RecordProject"), lang::Word("RecordObject"), lang::Word("RecordSignature")}) {
    html += "<tr><td width=\"1%\" style=\"white-space: nowrap\">" + Escaped(Say(record, fillIn)) +
            "</td><td style=\"border-bottom: 1px solid black\">&nbsp;</td></tr>";
  }
  html += QStringLiteral("</table>");
  html += "<h3>" + Escaped(Say(record, lang::Word("RecordInputs"))) + "</h3>";
  if (record.changed) html += "<p><b>" + Escaped(Say(record, lang::Word("RecordChanged"))) + "</b></p>";
  html += LinesTable(record.inputs);
  html += "<h3>" + Escaped(Say(record, lang::Word("RecordMethod"))) + "</h3>";
  for (const QString& line : record.method) html += "<p>" + Escaped(line) + "</p>";
  html += "<h3>" + Escaped(Say(record, lang::Word("RecordResults"))) + "</h3>";
  html += LinesTable(record.results);
  if (!record.table.headings.isEmpty() && !record.table.rows.isEmpty()) {
    html += GridTable(record.table, forPaper);
    if (AnyOver(record.table)) html += "<p>" + Escaped(Say(record, lang::Word("RecordOver"))) + "</p>";
  }
  for (const QString& note : ClosingNotes(record)) html += "<p>" + Escaped(note) + "</p>";
  // On paper the chart follows, drawn as lines (ChartObject).
  if (forPaper && record.chart) html += QStringLiteral("<p id=\"chart\"></p>");
  return html + "</body></html>";
}

// The CO2 chart inside the document: drawn again from its record of lines
// and texts, as vector graphics, scaled from the screen's pixels to the page.
class ChartObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  static constexpr int kType = QTextFormat::UserObject + 1;

  ChartObject(const TPaintBox::Picture& chart, double scale) : chart_(chart), scale_(scale) {}

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override {
    return QSizeF(chart_.size.width() * scale_, chart_.size.height() * scale_);
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override {
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(scale_, scale_);
    chart_.Replay(*painter);
    painter->restore();
  }

 private:
  const TPaintBox::Picture& chart_;
  double scale_;
};

int PaintPages(const CalcRecord& record, QPainter& painter, QPaintDevice& device, QSizeF page,
               const std::function<void()>& newPage) {
  // Liberation Sans has Arial's widths; Windows has Arial itself.
  QFont body;
  body.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  body.setStyleHint(QFont::SansSerif);
  body.setPointSizeF(10.0);

  QTextDocument document;
  document.documentLayout()->setPaintDevice(&device);
  document.setDefaultFont(body);
  document.setDocumentMargin(0.0);
  document.setHtml(RecordHtmlOf(record, true));
  const double scale = device.logicalDpiX() / 96.0;
  std::unique_ptr<ChartObject> chart;
  if (record.chart) {
    chart = std::make_unique<ChartObject>(*record.chart, scale);
    document.documentLayout()->registerHandler(ChartObject::kType, chart.get());
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setObjectType(ChartObject::kType);
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
  }

  // Every page ends with a footer: the tab, the time and "Sida 1 av 3".
  const QFontMetricsF metrics(body, &device);
  const double footer = metrics.lineSpacing() * 2.0;
  const QSizeF text(page.width(), page.height() - footer);
  document.setPageSize(text);
  const int pages = newPage ? document.pageCount() : 1;
  for (int index = 0; index < pages; ++index) {
    if (index > 0) newPage();
    painter.save();
    painter.setClipRect(QRectF(QPointF(0.0, 0.0), text));
    painter.translate(0.0, -index * text.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0.0, index * text.height(), text.width(), text.height());
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
    painter.setFont(body);
    painter.setPen(Qt::black);
    const QRectF footerRect(0.0, page.height() - metrics.lineSpacing(), page.width(), metrics.lineSpacing());
    painter.drawText(footerRect, Qt::AlignLeft, record.tab + QStringLiteral("   ") + record.at.toString(Qt::ISODate));
    painter.drawText(footerRect, Qt::AlignRight,
                     Say(record, lang::Word("RecordPage")).arg(index + 1).arg(document.pageCount()));
  }
  return pages;
}

}  // namespace

QString RecordHtml(const CalcRecord& record) { return RecordHtmlOf(record, false); }

void SetRecordPage(QPagedPaintDevice& device) {
  device.setPageSize(QPageSize(QPageSize::A4));
  device.setPageMargins(QMarginsF(20.0, 15.0, 20.0, 15.0), QPageLayout::Millimeter);
}

int PaintRecord(const CalcRecord& record, QPagedPaintDevice& device) {
  QPainter painter(&device);
  if (!painter.isActive()) return 0;
  return PaintPages(record, painter, device, QSizeF(device.width(), device.height()), [&device] { device.newPage(); });
}

QImage RecordPicture(const CalcRecord& record, int dpi) {
  // An A4 page with the same margins, the first page only.
  const double dotsPerMm = dpi / 25.4;
  QImage picture(QSizeF(210.0 * dotsPerMm, 297.0 * dotsPerMm).toSize(), QImage::Format_RGB32);
  picture.setDotsPerMeterX(qRound(dotsPerMm * 1000.0));
  picture.setDotsPerMeterY(qRound(dotsPerMm * 1000.0));
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(20.0 * dotsPerMm, 15.0 * dotsPerMm);
  PaintPages(record, painter, picture, QSizeF(170.0 * dotsPerMm, 267.0 * dotsPerMm), nullptr);
  return picture;
}

bool WriteRecordPdf(const CalcRecord& record, const QString& path, QString* reason) {
  // The file takes its name only once it is whole.
  QSaveFile file(path);
  const auto fail = [&] {
    if (reason) *reason = file.errorString();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return fail();
  {
    // The calculation goes with the pages as a file of the document, so
    // that the program can open the record again.
    QPdfWriter writer(&file);
    writer.setResolution(300);
    SetRecordPage(writer);
    writer.setTitle(Heading() + QStringLiteral(" ") + record.tab);
    writer.setCreator(Heading());
    writer.addFileAttachment(QString::fromLatin1(kRecordFileName), RecordFileBytes(record),
                             QStringLiteral("application/json"));
    if (PaintRecord(record, writer) == 0) {
      file.cancelWriting();
      return fail();
    }
  }
  return file.commit() || fail();
}

#include "record.moc"
