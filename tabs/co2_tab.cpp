// The CO2 tab: carbon dioxide in a ventilated room and its chart.
#include "app/mainwindow.h"

void TForm1::CO2CalcButtonClick() {}

void TForm1::CO2GridSelectCell(int col, int row, bool& canSelect) {
  // The activity names cannot be chosen; a rate cell becomes the chosen one.
  if (col == 0) {
    canSelect = false;
    return;
  }
  GCO2Col = col;
  GCO2Row = row;
}
