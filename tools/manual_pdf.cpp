// pluvik-manual: renders the user manual, written in Markdown, to a PDF with
// Qt's own text layout. Pictures are taken relative to the Markdown file and
// scaled down to the width of the page.
//
//   pluvik-manual MANUAL.md OUTPUT.pdf
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <cstdio>

namespace {

// Pictures come from files beside the manual; they keep their proportions and
// take at most `width` points of the page. A picture that is missing fails
// the manual.
bool PlacePictures(QTextDocument& document, const QString& folder, double width) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      if (!format.isValid()) continue;
      const QImage picture(folder + "/" + format.name());
      if (picture.isNull()) {
        std::fprintf(stderr, "pluvik-manual: no picture %s\n", qPrintable(format.name()));
        return false;
      }
      document.addResource(QTextDocument::ImageResource, QUrl(format.name()), picture);
      // Screen pixels shown at 96 per inch; the document counts points.
      double shownWidth = picture.width() * 72.0 / 96.0;
      double shownHeight = picture.height() * 72.0 / 96.0;
      if (shownWidth > width) {
        shownHeight *= width / shownWidth;
        shownWidth = width;
      }
      format.setWidth(shownWidth);
      format.setHeight(shownHeight);
      QTextCursor cursor(&document);
      cursor.setPosition(fragment.position());
      cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      cursor.setCharFormat(format);
    }
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: pluvik-manual MANUAL.md OUTPUT.pdf\n");
    return 2;
  }
  const QFileInfo source(QString::fromLocal8Bit(argv[1]));
  QFile markdown(source.filePath());
  if (!markdown.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "pluvik-manual: cannot read %s\n", argv[1]);
    return 1;
  }

  QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
  writer.setTitle(QString::fromUtf8("PLUVIK – användarmanual"));
  writer.setCreator("PLUVIK");
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter));

  QTextDocument document;
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(10.5);
  document.setDefaultFont(font);
  document.setMarkdown(QString::fromUtf8(markdown.readAll()));
  const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Point).size();
  if (!PlacePictures(document, source.absolutePath(), page.width() * 0.9)) return 1;
  document.print(&writer);
  return 0;
}
