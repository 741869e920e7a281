// A paint box: a plain drawing surface whose paint handler draws on it.
#pragma once

#include <QWidget>
#include <functional>

class QPainter;

class TPaintBox : public QWidget {
  Q_OBJECT
 public:
  TPaintBox(QWidget* parent, const QString& name);
  std::function<void(QPainter& painter)> OnPaint;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
