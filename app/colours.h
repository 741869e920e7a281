// Colour states of controls, named after the classic colour names. A control
// keeps its state readable, so tests and the driver ask for the state rather
// than looking at pixels.
#pragma once

#include <QColor>
#include <QString>

class QWidget;

enum class TColor { clDefault, clWindow, clRed, clBtnFace, clWhite, clYellow, clNavy, clMaroon, clBlue, clBlack };

QString ColourName(TColor colour);
QColor ToQColor(TColor colour);

// Background colour of a control: the base of an edit field, the window of
// anything else.
void SetBackground(QWidget* widget, TColor colour);
TColor Background(const QWidget* widget);

// A background for fixed colours drawn on it (the chart's black, yellow, red
// and blue): the colour, or the classic light one where the desktop's palette
// makes it dark.
QColor LightWhereDark(TColor colour);

// Text colour of a control.
void SetTextColour(QWidget* widget, TColor colour);
TColor TextColour(const QWidget* widget);

// Whether a control shows a colour of its own that no palette changes (a
// red field, maroon texts, a white background).
bool HasFixedColour(const QWidget* widget);

// Puts the colour states of `root` and every control in it into their
// palettes again, after the desktop's palette changed (a switch to a dark
// theme while the program runs).
void FollowPalette(QWidget* root);
