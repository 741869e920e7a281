#include "calc/duct.h"

#include <limits>
#include <numbers>
#include <string>

#include "calc/errors.h"
#include "calc/friction.h"
#include "calc/units.h"

namespace calc {

namespace {

// The duct's figures are worked with a coarse Colebrook tolerance of 0.01 on
// 1/sqrt(lambda) (the pipe's is 0.0001): the sizing table and the search
// results depend on it, so a finer one would change shown figures.
constexpr ColebrookStop kDuctColebrook{0.01, 1000};

}  // namespace

float AirViscosity(double temperature) {
  return ToSingle((kAirViscositySlope * temperature + kAirViscosityAt0C) * 1e-6);
}

float AirDensity(double temperature) {
  return ToSingle(Div(kAirZeroCelsius, kAirZeroCelsius + temperature) * kAirDensityAt0C);
}

bool AirPhysical(double temperature) {
  // The density is positive above -273 °C. The viscosity is taken as the
  // model stores it, a single, which rounds a tiny positive value to zero;
  // a value beyond a single's range is the calculation's to report.
  if (!(kAirZeroCelsius + temperature > 0.0)) return false;
  const double nu = (kAirViscositySlope * temperature + kAirViscosityAt0C) * 1e-6;
  if (!(nu > 0.0)) return false;
  return nu >= std::numeric_limits<float>::max() || static_cast<float>(nu) > 0.0f;
}

std::optional<DuctFriction> Rvaerde(std::string_view dim, float flode, float ytRahet, float ksi, int isolering,
                                    const DuctAir& air, const NumberFormat& fmt) {
  const double epsilon = ytRahet / 1000.0;
  const double t = 2.0 * isolering;

  float area = 0.0f;
  float dh = 0.0f;
  bool innerSizePositive = false;
  if (const auto star = dim.find('*'); star == std::string_view::npos) {
    const float d = ToSingle(StrToFloat(dim, fmt) - t);
    area = ToSingle(static_cast<double>(d) * d * std::numbers::pi / 4.0 / 1000000.0);
    dh = ToSingle(d / 1000.0);
    innerSizePositive = d > 0.0f;
  } else {
    const double a = StrToFloat(dim.substr(0, star), fmt);
    const double b = StrToFloat(dim.substr(star + 1), fmt);
    const float ai = ToSingle((a - t) / 1000.0);
    const float bi = ToSingle((b - t) / 1000.0);
    innerSizePositive = ai > 0.0f && bi > 0.0f;
    area = ToSingle(static_cast<double>(ai) * bi);
    if (innerSizePositive) dh = ToSingle(2.0 * ai * bi / (static_cast<double>(ai) + bi));
  }

  const double temp = StrToFloat(air.temperature, fmt);
  const float rho = AirDensity(temp);
  const float nu = AirViscosity(temp);

  if (!innerSizePositive || flode <= 0.0f) return std::nullopt;

  float q = flode;
  if (air.unit == AirFlowUnit::CubicMetresPerHour) q = LitresPerSecondOfCubicMetresPerHour(q);
  const float v = ToSingle(Div(q / 1000.0, area));
  const float re = ToSingle(Div(q / 1000.0 * dh, static_cast<double>(area) * nu));
  const float lambda = FrictionFactor(re, epsilon, dh, kDuctColebrook);

  double r = static_cast<double>(v) * v * Div(lambda, dh) * rho / 2.0;
  float rSingle = ToSingle(r);
  if (air.circularChosen && isolering == 0) rSingle = ToSingle(rSingle + static_cast<double>(v) * v * ksi / 2.0);
  return DuctFriction{rSingle, v};
}

}  // namespace calc
