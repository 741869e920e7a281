// Pictures drawn at start: the pocket calculator of the ENTER buttons (with a
// greyed one for the disabled state), the program emblem and the delta-t sign.
#pragma once

#include <QIcon>
#include <QPixmap>

QIcon CalculatorIcon();
QPixmap ProgramEmblem(int width, int height);
QPixmap DeltaTPicture(int width, int height);
