// Unit facts the calculations and the window share, each written once, and
// the conversions between the units the tabs offer.
#pragma once

namespace calc {

// Absolute zero, in degrees Celsius below 0 °C.
inline constexpr double kAbsoluteZeroCelsius = 273.15;
inline constexpr double kSecondsPerHour = 3600.0;
inline constexpr double kLitresPerCubicMetre = 1000.0;
inline constexpr double kMillilitresPerLitre = 1000.0;
// 1 l/s is 3.6 m3/h.
inline constexpr double kCubicMetresPerHourPerLitrePerSecond = 3.6;
// 1 m3/s is 3 600 000 l/h.
inline constexpr double kLitresPerHourPerCubicMetrePerSecond = 3600000.0;
inline constexpr double kPascalsPerBar = 100000.0;
inline constexpr double kKiloPascalsPerBar = 100.0;
inline constexpr double kMmWaterPerBar = 10000.0;

// An air flow typed in m3/h as l/s, stored as a single, as the duct model
// takes it.
float LitresPerSecondOfCubicMetresPerHour(float cubicMetresPerHour);
// A duct flow moved to the other unit (l/s to m3/h or back), before it is
// made a whole number.
double OtherAirFlowUnit(double flow, bool toCubicMetresPerHour);

// A pipe flow in l/s or l/h as m3/s, and back.
double PipeFlowToCubicMetresPerSecond(double flow, bool litresPerHour);
double PipeFlowFromCubicMetresPerSecond(double q, bool litresPerHour);

// The valve tab's flow units (l/s, l/h, m3/h) to and from m3/h, and its
// pressure units (kPa, mm VP, bar) to and from bar, each worked as written.
enum class ValveFlowUnit { LitresPerSecond, LitresPerHour, CubicMetresPerHour };
enum class ValvePressureUnit { KiloPascals, MmWater, Bar };
double ToCubicMetresPerHour(double value, ValveFlowUnit unit);
double FromCubicMetresPerHour(double q, ValveFlowUnit unit);
double ToBar(double value, ValvePressureUnit unit);
double FromBar(double dp, ValvePressureUnit unit);

}  // namespace calc
