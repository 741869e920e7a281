#pragma once

#include "app/platform.h"

class QtPlatform : public Platform {
 public:
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& title, const QString& text) override;
  void ShowAboutModal(TAboutBox& box) override;
  void OpenDocument(const QString& path) override;
  bool FileExists(const QString& path) override;
  QString ProgramPath() override;
  QSize ScreenSize() override;
  int ScrollBarWidth() override;
  QChar DecimalSeparator() override;
  void SetClipboardText(const QString& text) override;
  void SetClipboardTextAndHtml(const QString& text, const QString& html) override;
  QString OpenFileName(QWidget* parent, const QString& title, const QString& folder, const QString& filter) override;
  QDateTime Now() override;
  QString DocumentsFolder() override;
  QString SaveFileName(QWidget* parent, const QString& title, const QString& proposed,
                       const QString& filter = QString()) override;
  void Print(QWidget* parent, const std::function<int(QPagedPaintDevice&)>& paint) override;
};
