#include "app/colours.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace {
constexpr const char* kBackground = "pluvikBackground";
constexpr const char* kText = "pluvikText";

bool UsesBase(const QWidget* widget) {
  return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
         qobject_cast<const QAbstractSpinBox*>(widget);
}
}  // namespace

QString ColourName(TColor colour) {
  switch (colour) {
    case TColor::clDefault: return "default";
    case TColor::clWindow: return "clWindow";
    case TColor::clRed: return "clRed";
    case TColor::clBtnFace: return "clBtnFace";
    case TColor::clWhite: return "clWhite";
    case TColor::clYellow: return "clYellow";
    case TColor::clNavy: return "clNavy";
    case TColor::clMaroon: return "clMaroon";
    case TColor::clBlue: return "clBlue";
    case TColor::clBlack: return "clBlack";
  }
  return "default";
}

QColor ToQColor(TColor colour) {
  const QPalette palette = QApplication::palette();
  switch (colour) {
    case TColor::clWindow: return palette.color(QPalette::Base);
    case TColor::clRed: return QColor(255, 0, 0);
    case TColor::clBtnFace: return palette.color(QPalette::Button);
    case TColor::clWhite: return QColor(255, 255, 255);
    case TColor::clYellow: return QColor(255, 255, 0);
    case TColor::clNavy: return QColor(0, 0, 128);
    case TColor::clMaroon: return QColor(128, 0, 0);
    case TColor::clBlue: return QColor(0, 0, 255);
    case TColor::clBlack: return QColor(0, 0, 0);
    case TColor::clDefault: break;
  }
  return palette.color(QPalette::Text);
}

void SetBackground(QWidget* widget, TColor colour) {
  widget->setProperty(kBackground, static_cast<int>(colour));
  QPalette palette = widget->palette();
  if (UsesBase(widget)) {
    palette.setColor(QPalette::Base, ToQColor(colour));
  } else {
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setAutoFillBackground(colour != TColor::clDefault);
  }
  widget->setPalette(palette);
}

TColor Background(const QWidget* widget) {
  const QVariant value = widget->property(kBackground);
  if (value.isValid()) return static_cast<TColor>(value.toInt());
  return UsesBase(widget) ? TColor::clWindow : TColor::clBtnFace;
}

void SetTextColour(QWidget* widget, TColor colour) {
  widget->setProperty(kText, static_cast<int>(colour));
  QPalette palette = widget->palette();
  const QColor c = ToQColor(colour);
  palette.setColor(QPalette::WindowText, c);
  palette.setColor(QPalette::Text, c);
  palette.setColor(QPalette::ButtonText, c);
  widget->setPalette(palette);
}

TColor TextColour(const QWidget* widget) {
  const QVariant value = widget->property(kText);
  return value.isValid() ? static_cast<TColor>(value.toInt()) : TColor::clBlack;
}
