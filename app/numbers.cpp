// Number texts in the window: the system's decimal separator in and out.
#include "app/mainwindow.h"
#include "calc/errors.h"
#include "calc/numtext.h"

QString TForm1::DecimalFormat(const QString& text) const {
  return QString::fromStdString(calc::DecimalFormat(text.toStdString(), GDecimalPunkt));
}

double TForm1::StrToFloat(const QString& text) const { return calc::StrToFloat(text.toStdString(), fmt_); }

int TForm1::StrToInt(const QString& text) const { return calc::StrToInt(text.toStdString()); }

QString TForm1::FloatToStrF(double value, int precision, int decimals) const {
  return QString::fromStdString(calc::FormatFixed(value, precision, decimals, fmt_));
}

QString TForm1::FloatToStr(double value) const { return QString::fromStdString(calc::FormatGeneral(value, fmt_)); }

float TForm1::StrToSingle(const QString& text) const { return calc::ToSingle(StrToFloat(text)); }
