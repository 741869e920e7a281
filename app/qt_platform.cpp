#include "app/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>

#include "app/aboutbox.h"
#include "app/record.h"

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

void QtPlatform::ShowError(QWidget* parent, const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
  box.exec();
}

void QtPlatform::ShowAboutModal(TAboutBox& box) { box.exec(); }

void QtPlatform::OpenDocument(const QString& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::fromNativeSeparators(path)));
}

bool QtPlatform::FileExists(const QString& path) {
  const QFileInfo info(QDir::fromNativeSeparators(path));
  return info.exists() && info.isFile();
}

QString QtPlatform::ProgramPath() { return QDir::toNativeSeparators(QCoreApplication::applicationFilePath()); }

QSize QtPlatform::ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize(1024, 768);
}

int QtPlatform::ScrollBarWidth() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

QChar QtPlatform::DecimalSeparator() {
  const QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QChar('.') : point.front();
}

void QtPlatform::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

void QtPlatform::SetClipboardTextAndHtml(const QString& text, const QString& html) {
  auto* data = new QMimeData;
  data->setText(text);
  data->setHtml(html);
  QGuiApplication::clipboard()->setMimeData(data);
}

QString QtPlatform::OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) {
  // A documents folder that was never made: the dialog starts at home.
  return QFileDialog::getOpenFileName(parent, title, QDir(folder).exists() ? folder : QDir::homePath(), filter);
}

QDateTime QtPlatform::Now() { return QDateTime::currentDateTime(); }

QString QtPlatform::DocumentsFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

QString QtPlatform::SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                                 const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, proposed,
                                      filter.isEmpty() ? QStringLiteral("PDF (*.pdf)") : filter);
}

void QtPlatform::Print(QWidget* parent, const std::function<int(QPagedPaintDevice&)>& paint) {
  // The print dialog is a module beside the program (app/print_module.cpp),
  // loaded now rather than with the program.
  QLibrary module(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pluvik_print")));
  using PrintFunction =
      void (*)(QWidget*, const std::function<void(QPagedPaintDevice&)>&, const std::function<int(QPagedPaintDevice&)>&);
  const auto print = reinterpret_cast<PrintFunction>(module.resolve("PluvikPrint"));
  if (!print) {
    ShowMessage(parent, QString::fromUtf8("Utskriften kan inte startas: ") + module.errorString());
    return;
  }
  print(parent, SetRecordPage, paint);
}
