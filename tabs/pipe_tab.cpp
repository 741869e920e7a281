// The pipe tab: water properties, pipe friction and the largest water flow.
#include "app/mainwindow.h"

void TForm1::SpeedButton3Click() {}

void TForm1::EnhetRorRadioGroupClick() {}
