#include "calc/units.h"

#include "calc/errors.h"

namespace calc {

float LitresPerSecondOfCubicMetresPerHour(float cubicMetresPerHour) {
  return ToSingle(cubicMetresPerHour / kCubicMetresPerHourPerLitrePerSecond);
}

double OtherAirFlowUnit(double flow, bool toCubicMetresPerHour) {
  return toCubicMetresPerHour ? flow * kCubicMetresPerHourPerLitrePerSecond
                              : flow / kCubicMetresPerHourPerLitrePerSecond;
}

double PipeFlowToCubicMetresPerSecond(double flow, bool litresPerHour) {
  return litresPerHour ? flow / kLitresPerHourPerCubicMetrePerSecond : flow / kLitresPerCubicMetre;
}

double PipeFlowFromCubicMetresPerSecond(double q, bool litresPerHour) {
  return litresPerHour ? q * kLitresPerHourPerCubicMetrePerSecond : q * kLitresPerCubicMetre;
}

double ToCubicMetresPerHour(double value, ValveFlowUnit unit) {
  if (unit == ValveFlowUnit::LitresPerSecond) return value * kCubicMetresPerHourPerLitrePerSecond;
  if (unit == ValveFlowUnit::LitresPerHour) return value / kLitresPerCubicMetre;
  return value;
}

double FromCubicMetresPerHour(double q, ValveFlowUnit unit) {
  if (unit == ValveFlowUnit::LitresPerSecond) return q * kLitresPerCubicMetre / kSecondsPerHour;
  if (unit == ValveFlowUnit::LitresPerHour) return q * kLitresPerCubicMetre;
  return q;
}

double ToBar(double value, ValvePressureUnit unit) {
  if (unit == ValvePressureUnit::KiloPascals) return value / kKiloPascalsPerBar;
  if (unit == ValvePressureUnit::MmWater) return value / kMmWaterPerBar;
  return value;
}

double FromBar(double dp, ValvePressureUnit unit) {
  if (unit == ValvePressureUnit::KiloPascals) return dp * kKiloPascalsPerBar;
  if (unit == ValvePressureUnit::MmWater) return dp * kMmWaterPerBar;
  return dp;
}

}  // namespace calc
