// Fitting controls and grid columns to their texts; each tab fits its own.
#include "app/controls.h"
#include "app/mainwindow.h"
#include "app/platform.h"

int TForm1::TextWidth(const QString& text) const { return TextWidthIn(this, text); }

void TForm1::Omskalning() {
  FitDuctControls();
  FitPipeControls();
  FitPowerControls();
}

void TForm1::KolumnBredd() {
  // Room for a vertical scroll bar and the grid's edge.
  const int scrollBarRoom = platform_.ScrollBarWidth() + 3;
  FitDuctColumns(scrollBarRoom);
  FitCO2Columns(scrollBarRoom);
}
