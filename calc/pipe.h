// Water in a pipe: the water's viscosity and density from its temperature,
// and the friction pressure drop per metre and mean velocity of a pipe.
#pragma once

#include <cstdint>

#include "calc/friction.h"

namespace calc {

// Kinematic viscosity of water at `t` degrees C (0 < t < 100), in 1e-6 m2/s.
double VattenViskositet(double t);
// Density of water at `t` degrees C (0 < t < 100), in whole kg/m3 (halves to
// even).
std::int64_t VattenDensitet(double t);

// The pipe as the tab reads it from its fields: inner diameter and roughness
// in mm, density in kg/m3, kinematic viscosity in 1e-6 m2/s.
struct Pipe {
  double diameterMm = 0.0;
  double roughnessMm = 0.0;
  double density = 0.0;
  double viscosity = 0.0;
};

using PipeFriction = Friction;

// Pa per mm water column, for pressure drops shown in mm VP.
inline constexpr double kPaPerMmWater = 9.81;

// Pressure drop per metre and velocity for a flow `q` in m3/s. Intermediates
// are stored as 32-bit singles, each expression evaluated in double.
// Arithmetic faults throw MathError; a friction factor that does not settle
// throws CalcFault.
PipeFriction RoerRVaerde(float q, const Pipe& pipe);

}  // namespace calc
