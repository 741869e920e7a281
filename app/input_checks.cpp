// Inputs that no real duct, pipe, valve or room can have (a negative flow, a
// temperature below absolute zero) are refused before a calculation shows a
// figure for them.
#include <cmath>

#include "app/colours.h"
#include "app/mainwindow.h"
#include "calc/units.h"

TForm1::PossibleInput TForm1::NotNegative(QWidget* field, const QString& text, lang::Words message) const {
  return {field, text, 0.0, true, Say(message)};
}

TForm1::PossibleInput TForm1::Above(QWidget* field, const QString& text, double bound, const QString& message) {
  return {field, text, bound, false, message};
}

bool TForm1::InputsPossible(std::initializer_list<PossibleInput> inputs, const std::function<void()>& emptyResults) {
  for (const PossibleInput& input : inputs) {
    double value = 0.0;
    // An empty text or one that is no number is the calculation's to report,
    // where it reads it.
    if (input.text.isEmpty() || !calc::TryStrToFloat(input.text.toStdString(), fmt_, value)) continue;
    const bool possible = input.possible        ? input.possible(value)
                          : input.leastIncluded ? value >= input.least
                                                : value > input.least;
    if (possible) continue;
    if (emptyResults) emptyResults();
    SetBackground(input.field, TColor::clRed);
    // Heard with the field while it stays red.
    input.field->setProperty(kRedReason, true);
    input.field->setAccessibleDescription(input.message);
    ShowMessage(input.message);
    return false;
  }
  return true;
}

QString TForm1::AbsoluteZeroMessage() const {
  // The bound is written with the system's decimal separator, as the user
  // types it.
  QString bound = QString::number(-calc::kAbsoluteZeroCelsius, 'f', 2);
  if (!GDecimalPunkt) bound.replace('.', ',');
  return Say(lang::Word("AboveAbsoluteZero")).arg(bound);
}

TForm1::PossibleInput TForm1::AirTemperature(QWidget* field, const QString& text) const {
  // The bound cut to two decimals toward the physical side (-147.77), written
  // with the system's separator.
  QString bound = QString::number(std::trunc(calc::kAirLowestTemperature * 100.0) / 100.0, 'f', 2);
  if (!GDecimalPunkt) bound.replace('.', ',');
  // At -273 °C itself the density divides by zero, a fault the calculation
  // reports where it works it out.
  const auto physical = [](double t) { return t == -calc::kAirZeroCelsius || calc::AirPhysical(t); };
  return {field, text, 0.0, false, Say(lang::Word("AirBelowModel")).arg(bound), physical};
}
