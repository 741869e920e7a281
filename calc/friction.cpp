#include "calc/friction.h"

#include <cmath>

#include "calc/errors.h"

namespace calc {

namespace {

// Colebrook on x = 1/sqrt(lambda), from `x` until two steps agree.
float Colebrook(float x, float re, double k, float d, const ColebrookStop& stop) {
  for (int step = 0; step < stop.maxSteps; ++step) {
    const float previous = x;
    x = ToSingle(-2.0 * Log10(Div(2.51 * previous, re) + Div(k, 3.7 * d)));
    if (std::fabs(static_cast<double>(previous) - x) < stop.tolerance) return x;
  }
  throw CalcFault(FaultCode::FrictionNotSettled);
}

}  // namespace

float FrictionFactor(float re, double k, float d, const ColebrookStop& stop) {
  if (re < kLaminarBelowRe) return ToSingle(Div(64.0, re));
  const float x = Colebrook(re < kTurbulentFromRe ? 4.8f : 7.0f, re, k, d, stop);
  const double turbulent = Div(1.0, static_cast<double>(x) * x);
  if (re >= kTurbulentFromRe) return ToSingle(turbulent);
  // Transition band: the laminar value at 2320 (64/2320) blended into the
  // Colebrook value over 1200, not over the band's width of 1180. The step
  // this leaves at Re 3500 is part of the model's figures.
  const double laminar = kLaminarBelowRe;
  const double turbulentFrom = kTurbulentFromRe;
  return ToSingle((turbulent * (re - laminar) + (turbulentFrom - re) * 0.027586206896551724) / 1200.0);
}

}  // namespace calc
