#include "app/record.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <functional>

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

// Lays the record out from the top of a page downwards, a new page when the
// next line does not fit.
class PageWriter {
 public:
  // `newPage` starts the next page; a picture of the first page has none.
  PageWriter(QPaintDevice& device, QPainter& painter, QSizeF page, std::function<void()> newPage)
      : device_(device), painter_(painter), page_(page), newPage_(std::move(newPage)) {}

  // A text, wrapped at blanks to the width of the page.
  void Text(const QString& text, const QFont& font, double indent = 0.0) {
    const QFontMetricsF metrics(font, &device_);
    const double width = page_.width() - indent;
    painter_.setFont(font);
    QString line;
    const auto flush = [&] {
      Room(metrics.lineSpacing());
      painter_.setFont(font);
      painter_.drawText(QPointF(indent, y_ + metrics.ascent()), line);
      y_ += metrics.lineSpacing();
      line.clear();
    };
    for (const QString& word : text.split(' ')) {
      const QString longer = line.isEmpty() ? word : line + ' ' + word;
      if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
        flush();
        line = word;
      } else {
        line = longer;
      }
    }
    flush();
  }

  // A line to fill in by hand: the caption and a rule after it.
  void FillIn(const QString& caption, const QFont& font) {
    const QFontMetricsF metrics(font, &device_);
    Room(metrics.lineSpacing() * 1.6);
    painter_.setFont(font);
    const double base = y_ + metrics.lineSpacing() * 1.2;
    painter_.drawText(QPointF(0.0, base), caption);
    const double from = metrics.horizontalAdvance(caption) + metrics.averageCharWidth();
    painter_.drawLine(QPointF(from, base + metrics.descent()), QPointF(page_.width(), base + metrics.descent()));
    y_ += metrics.lineSpacing() * 1.6;
  }

  void Gap(double height) { y_ += height; }

  void Table(const RecordTable& table, const QFont& font, const QFont& marked, double indent) {
    const QFontMetricsF metrics(marked, &device_);
    QList<double> widths;
    for (qsizetype col = 0; col < table.headings.size(); ++col) {
      double width = metrics.horizontalAdvance(table.headings[col]);
      for (qsizetype row = 0; row < table.rows.size(); ++row)
        width = std::max(width, metrics.horizontalAdvance(CellText(table, row, col)));
      widths << width + 3.0 * metrics.averageCharWidth();
    }
    const auto line = [&](const QStringList& cells, const QList<bool>& over) {
      Room(metrics.lineSpacing());
      double x = indent;
      for (qsizetype col = 0; col < cells.size() && col < widths.size(); ++col) {
        const bool isOver = col < over.size() && over[col];
        painter_.setFont(isOver ? marked : font);
        painter_.drawText(QPointF(x, y_ + metrics.ascent()), isOver ? cells[col] + QStringLiteral(" *") : cells[col]);
        x += widths[col];
      }
      y_ += metrics.lineSpacing();
    };
    line(table.headings, {});
    for (qsizetype row = 0; row < table.rows.size(); ++row)
      line(table.rows[row], row < table.over.size() ? table.over[row] : QList<bool>{});
  }

  // The chart in its own pixels, scaled to the page as the screen shows it.
  void Chart(const TPaintBox& chart, double indent) {
    const double scale = device_.logicalDpiX() / 96.0;
    Room(chart.height() * scale);
    painter_.save();
    painter_.translate(indent, y_);
    painter_.scale(scale, scale);
    chart.Replay(painter_);
    painter_.restore();
    y_ += chart.height() * scale;
  }

  int Pages() const { return pages_; }

 private:
  void Room(double height) {
    if (y_ + height <= page_.height() || y_ == 0.0 || !newPage_) return;
    newPage_();
    ++pages_;
    y_ = 0.0;
  }

  QPaintDevice& device_;
  QPainter& painter_;
  QSizeF page_;
  std::function<void()> newPage_;
  double y_ = 0.0;
  int pages_ = 1;
};

}  // namespace

namespace {

int PaintPages(const CalcRecord& record, QPainter& painter, QPaintDevice& device, QSizeF page,
               const std::function<void()>& newPage) {
  // Liberation Sans has Arial's widths; Windows has Arial itself.
  QFont body;
  body.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
  body.setStyleHint(QFont::SansSerif);
  body.setPointSizeF(10.0);
  QFont bold = body;
  bold.setBold(true);
  QFont title = bold;
  title.setPointSizeF(14.0);

  const double indent = QFontMetricsF(body, &device).averageCharWidth() * 3.0;
  const double gap = QFontMetricsF(body, &device).lineSpacing() * 0.6;
  PageWriter writer(device, painter, page, newPage);
  writer.Text(Heading() + QStringLiteral("  \u2013  ") + record.tab, title);
  writer.Text(record.at.toString(Qt::ISODate), body);
  writer.Gap(gap);
  for (const lang::Words fillIn :
       {lang::Word("RecordProject"), lang::Word("RecordObject"), lang::Word("RecordSignature")})
    writer.FillIn(Say(record, fillIn), body);
  writer.Gap(gap);
  writer.Text(Say(record, lang::Word("RecordInputs")), bold);
  if (record.changed) writer.Text(Say(record, lang::Word("RecordChanged")), bold, indent);
  for (const RecordLine& input : record.inputs) writer.Text(input.caption + ": " + input.value, body, indent);
  writer.Gap(gap);
  writer.Text(Say(record, lang::Word("RecordMethod")), bold);
  for (const QString& line : record.method) writer.Text(line, body, indent);
  writer.Gap(gap);
  writer.Text(Say(record, lang::Word("RecordResults")), bold);
  for (const RecordLine& result : record.results) writer.Text(result.caption + ": " + result.value, body, indent);
  if (!record.table.headings.isEmpty()) {
    writer.Table(record.table, body, bold, indent);
    if (AnyOver(record.table)) writer.Text(Say(record, lang::Word("RecordOver")), body, indent);
  }
  for (const QString& note : ClosingNotes(record)) writer.Text(note, body, indent);
  if (record.chart) {
    writer.Gap(gap);
    writer.Chart(*record.chart, indent);
  }
  return writer.Pages();
}

}  // namespace

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
    QPdfWriter writer(&file);
    writer.setResolution(300);
    SetRecordPage(writer);
    writer.setTitle(Heading() + QStringLiteral(" ") + record.tab);
    writer.setCreator(Heading());
    if (PaintRecord(record, writer) == 0) {
      file.cancelWriting();
      return fail();
    }
  }
  return file.commit() || fail();
}
