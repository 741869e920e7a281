// The power tab: heat power from water flow and back.
#include "app/mainwindow.h"

void TForm1::SpeedButton4Click() {}

void TForm1::CalkValRadioGroupClick() {}
