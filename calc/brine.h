// Water mixed with an antifreeze, as ground-source heat pumps, solar and
// cooling circuits run on: density, specific heat and viscosity by mass
// fraction and temperature, and the freezing point by mass fraction, from
// the polynomial fits of the secondary-fluid property tables.
#pragma once

namespace calc {

enum class Brine { EthyleneGlycol, PropyleneGlycol, Ethanol };

// The fits hold for a mass fraction from 0 to 60 % and from the freezing
// point up to the highest temperature of the fluid (100 °C for the glycols,
// 40 °C for ethanol).
inline constexpr double kBrineLeastPercent = 0.0;
inline constexpr double kBrineMostPercent = 60.0;
double BrineHighestTemperature(Brine brine);

struct BrineProperties {
  double density;       // kg/m³
  double heatCapacity;  // J/(kg·K)
  double viscosity;     // dynamic, mPa·s
  double kinematic;     // m²/s
};

// Why a brine's properties cannot be had at a concentration and temperature:
// the concentration outside 0 to 60 %, the mixture frozen (at or below its
// freezing point), or warmer than the fit holds. `limit` is the figure to
// name: the freezing point, or the highest temperature.
struct BrineRefusal {
  enum class Kind { None, Concentration, Freezes, TooWarm } kind = Kind::None;
  double limit = 0.0;
};
BrineRefusal RefuseBrine(Brine brine, double percent, double celsius);

// `percent` is the antifreeze's share by mass in per cent (never by volume).
double BrineFreezingPoint(Brine brine, double percent);
BrineProperties BrinePropertiesAt(Brine brine, double percent, double celsius);

}  // namespace calc
