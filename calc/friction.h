// The friction factor of a straight duct or pipe, shared by the air duct and
// the water pipe: laminar below Re 2320, Colebrook from Re 3500, and a blend
// of the two in the transition band between.
#pragma once

namespace calc {

// The Reynolds numbers that bound the transition band: laminar below the
// first, Colebrook from the second.
inline constexpr float kLaminarBelowRe = 2320.0f;
inline constexpr float kTurbulentFromRe = 3500.0f;

// What one friction calculation gives back: the pressure drop per metre and
// the mean velocity, both stored as 32-bit singles.
struct Friction {
  float r = 0.0f;  // Pa/m
  float v = 0.0f;  // m/s
};

// When the Colebrook iteration on x = 1/sqrt(lambda) stops: two successive
// values closer than `tolerance`, or `maxSteps` steps without that, which
// ends the calculation with "Friktionsfaktorn kan inte beräknas för dessa
// data" (a negative roughness can make it swing between two values for ever).
struct ColebrookStop {
  double tolerance = 0.0;
  int maxSteps = 0;
};

// The friction factor for Reynolds number `re`, a roughness `k` and an inner
// (hydraulic) diameter `d`, both in metres. The result is stored as a single,
// each expression evaluated in double. Arithmetic faults throw MathError.
float FrictionFactor(float re, double k, float d, const ColebrookStop& stop);

}  // namespace calc
