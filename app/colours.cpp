#include "app/colours.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

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

namespace {

bool FollowsPalette(TColor colour) {
  return colour == TColor::clDefault || colour == TColor::clWindow || colour == TColor::clBtnFace;
}

// The classic light system colours: a control that shows a fixed text colour
// (maroon, navy, blue, red) keeps them under a dark desktop palette, where
// the fixed colour would not read on the dark one.
QColor ClassicLight(TColor colour) {
  return colour == TColor::clWindow ? QColor(255, 255, 255) : QColor(240, 240, 240);
}

// The least contrast of a text against its background that reads well (the
// WCAG ratio for normal text).
constexpr double kLeastContrast = 4.5;

// The relative luminance of a colour, as the WCAG contrast ratio takes it.
double Luminance(const QColor& colour) {
  const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The background a fixed text colour gets under a dark desktop palette: the
// classic light one where the text reads on it (maroon, navy, blue), black
// where it does not (red, which reads on neither the light nor the dark
// grey).
QColor BackgroundUnder(TColor text, TColor back) {
  const QColor light = ClassicLight(back);
  return Contrast(ToQColor(text), light) >= kLeastContrast ? light : QColor(Qt::black);
}

// Puts a control's background and text states into its palette, so that they
// read together whatever the desktop's palette.
void ApplyColours(QWidget* widget) {
  const QVariant backState = widget->property(kBackground);
  const QVariant textState = widget->property(kText);
  const bool base = UsesBase(widget);
  const TColor back =
      backState.isValid() ? static_cast<TColor>(backState.toInt()) : (base ? TColor::clWindow : TColor::clDefault);
  const bool fixedText = textState.isValid() && !FollowsPalette(static_cast<TColor>(textState.toInt()));
  const QPalette app = QApplication::palette();
  const QPalette::ColorRole backRole = base ? QPalette::Base : QPalette::Window;
  QColor backColour = back == TColor::clDefault ? app.color(backRole) : ToQColor(back);
  bool fill = back != TColor::clDefault;
  if (fixedText && FollowsPalette(back) && backColour.lightness() < 128) {
    backColour = BackgroundUnder(static_cast<TColor>(textState.toInt()), back);
    fill = true;
  }
  QPalette palette = widget->palette();
  palette.setColor(backRole, backColour);
  if (!base) widget->setAutoFillBackground(fill);
  // The text: its own fixed colour; else the desktop's, but black where the
  // desktop's light text would stand on a light background (red, white,
  // yellow).
  QColor text = app.color(QPalette::Text);
  if (fixedText)
    text = ToQColor(static_cast<TColor>(textState.toInt()));
  else if (backColour.lightness() >= 128 && text.lightness() >= 128)
    text = Qt::black;
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    palette.setColor(role, text);
  widget->setPalette(palette);
}

}  // namespace

QColor LightWhereDark(TColor colour) {
  const QColor c = ToQColor(colour);
  return FollowsPalette(colour) && c.lightness() < 128 ? ClassicLight(colour) : c;
}

void SetBackground(QWidget* widget, TColor colour) {
  widget->setProperty(kBackground, static_cast<int>(colour));
  ApplyColours(widget);
}

TColor Background(const QWidget* widget) {
  const QVariant value = widget->property(kBackground);
  if (value.isValid()) return static_cast<TColor>(value.toInt());
  return UsesBase(widget) ? TColor::clWindow : TColor::clBtnFace;
}

void SetTextColour(QWidget* widget, TColor colour) {
  widget->setProperty(kText, static_cast<int>(colour));
  ApplyColours(widget);
}

TColor TextColour(const QWidget* widget) {
  const QVariant value = widget->property(kText);
  return value.isValid() ? static_cast<TColor>(value.toInt()) : TColor::clBlack;
}

bool HasFixedColour(const QWidget* widget) {
  for (const char* state : {kBackground, kText}) {
    const QVariant value = widget->property(state);
    if (value.isValid() && !FollowsPalette(static_cast<TColor>(value.toInt()))) return true;
  }
  return false;
}

void FollowPalette(QWidget* root) {
  // Only controls given a colour state hold colours of their own; the others
  // take the new palette as it comes.
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* widget : widgets)
    if (widget->property(kBackground).isValid() || widget->property(kText).isValid()) ApplyColours(widget);
}
