// A valve: flow, pressure drop, flow coefficient kv and Fe value. Flows in
// m3/h, pressure drops in bar, inner diameters in m. Each result and each
// intermediate is stored as a 32-bit single; arithmetic faults throw
// MathError.
#pragma once

#include "calc/units.h"

namespace calc {

// The water's density in the Fe value, kg/m3.
inline constexpr double kValveWaterDensity = 1000.0;

// kv = q / sqrt(dp): the flow in m3/h at a pressure drop of 1 bar.
float VentilKv(float q, float dp);
// Fe = log10 of the pressure drop over the dynamic pressure of water (taken
// at 1000 kg/m3) at the velocity in a connection of inner diameter d.
float VentilFe(float q, float dp, float d);
float VentilTryckfallKv(float q, float kv);
float VentilTryckfallFe(float q, float fe, float d);
float VentilFlodeKv(float dp, float kv);
float VentilFlodeFe(float dp, float fe, float d);

}  // namespace calc
