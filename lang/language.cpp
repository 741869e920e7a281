// The interface language chosen in the about box.
#include "app/mainwindow.h"

void TForm1::ValjSprak() {}
