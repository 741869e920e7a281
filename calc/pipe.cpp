#include "calc/pipe.h"

#include <numbers>

#include "calc/errors.h"
#include "calc/friction.h"
#include "calc/numtext.h"

namespace calc {

double VattenViskositet(double t) {
  const double sum = t + 278.0;
  const double exponent = Div(1758.0, sum);
  return Exp(exponent) * 2.64e-9 * 1000000.0;
}

std::int64_t VattenDensitet(double t) {
  // The cube is formed through the logarithm, as the formula is given.
  const double cube = Exp(3.0 * Ln(t));
  const double bracket = (1.0 + 5.705e-5 * t) - 7.296e-6 * t * t + 2.752e-8 * cube;
  return RoundHalfEven(999.84 * bracket);
}

namespace {

// The pipe's figures are worked with a Colebrook tolerance of 0.0001 on
// 1/sqrt(lambda), a hundred times finer than the duct's, as fine as the
// tolerance its largest-flow search ends on. Bringing the two models' tolerances
// in line would change the shown figures of one tab.
constexpr ColebrookStop kPipeColebrook{0.0001, 1000};

}  // namespace

PipeFriction RoerRVaerde(float q, const Pipe& pipe) {
  const float d = ToSingle(pipe.diameterMm / 1000.0);
  const float k = ToSingle(pipe.roughnessMm / 1000.0);
  const float rho = ToSingle(pipe.density);
  const float area = ToSingle(static_cast<double>(d) * d * std::numbers::pi / 4.0);
  const float v = ToSingle(Div(q, area));
  const float re = ToSingle(Div(static_cast<double>(v) * d, pipe.viscosity / 1000000.0));
  const float lambda = FrictionFactor(re, k, d, kPipeColebrook);
  const double r = static_cast<double>(v) * v * Div(lambda, d) * rho / 2.0;
  return {ToSingle(r), v};
}

}  // namespace calc
