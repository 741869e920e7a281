// The valve tab: flow, pressure drop, kv and Fe of a valve.
#include "app/mainwindow.h"

void TForm1::SpeedButton2Click() {}

void TForm1::KalkylVal() {}
