// Unit facts the calculations and the window share.
#pragma once

namespace calc {

// Absolute zero, in degrees Celsius below 0 °C.
inline constexpr double kAbsoluteZeroCelsius = 273.15;

}  // namespace calc
