// Air duct friction: the pressure drop per metre and the mean velocity of one
// straight duct, circular or rectangular, with or without inner insulation.
#pragma once

#include <optional>
#include <string_view>

#include "calc/friction.h"
#include "calc/numtext.h"

namespace calc {

enum class AirFlowUnit { LitresPerSecond, CubicMetresPerHour };

// What the window supplies at every call: the air temperature as typed, the
// flow unit chosen and whether the circular shape is chosen (only the joint
// term looks at it; the geometry follows the dimension text).
struct DuctAir {
  std::string_view temperature;
  AirFlowUnit unit = AirFlowUnit::LitresPerSecond;
  bool circularChosen = false;
};

using DuctFriction = Friction;

// The air: density rho = kAirZeroCelsius / (kAirZeroCelsius + T) * kAirDensityAt0C
// kg/m3 and kinematic viscosity nu = (kAirViscositySlope * T +
// kAirViscosityAt0C) * 1e-6 m2/s at T degrees C. The slope is 0.09000001,
// not 0.09: the air's figures are worked with it.
inline constexpr double kAirZeroCelsius = 273.0;
inline constexpr double kAirDensityAt0C = 1.29;
inline constexpr double kAirViscositySlope = 0.09000001;
inline constexpr double kAirViscosityAt0C = 13.3;
// The air's density at `temperature` degrees C as the model stores it (a
// single), kg/m3; a duct run takes its local losses with it.
float AirDensity(double temperature);
// The air's kinematic viscosity at `temperature` degrees C as the model
// stores it (a single), m2/s.
float AirViscosity(double temperature);
// The air's model is physical where its density and its kinematic viscosity
// are both positive: above -273 °C for the density and above
// kAirLowestTemperature (about -147.8 °C) for the viscosity. Below, its
// figures mean nothing, so a calculation refuses such a temperature.
inline constexpr double kAirLowestTemperature = -kAirViscosityAt0C / kAirViscositySlope;
bool AirPhysical(double temperature);

// The roughness of an insulation's surface, in mm.
inline constexpr double kInsulationRoughnessMm = 0.9;

// Shares its name with TForm1::Rvaerde, not its contract: this one returns
// both values and touches nothing; the window's reads the tab's temperature,
// unit and shape, returns the pressure drop and leaves the velocity in
// GHastighet.
// `dim` is a diameter ("250") or two sides joined by a star ("400*200"), in mm.
// Intermediates are stored as 32-bit singles, each expression evaluated in
// double. Returns no result for a flow or an inner size of zero or less,
// where the model has no meaning. Unreadable texts throw ConvertError;
// arithmetic faults throw MathError.
std::optional<DuctFriction> Rvaerde(std::string_view dim, float flode, float ytRahet, float ksi, int isolering,
                                    const DuctAir& air, const NumberFormat& fmt);

}  // namespace calc
