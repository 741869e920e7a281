#include "calc/duct.h"

#include <cmath>
#include <numbers>
#include <string>

#include "calc/errors.h"

namespace calc {

namespace {

// One Colebrook step on x = 1/sqrt(lambda).
float ColebrookStep(float x, float re, double epsilon, float dh) {
  return ToSingle(-2.0 * Log10(Div(2.51 * x, re) + Div(epsilon, 3.7 * dh)));
}

float FrictionFactor(float re, double epsilon, float dh) {
  if (re < 2320.0f) return ToSingle(Div(64.0, re));
  float x = re < 3500.0f ? 4.8f : 7.0f;
  float next = ColebrookStep(x, re, epsilon, dh);
  int steps = 1;
  while (std::fabs(static_cast<double>(x) - next) >= 0.01) {
    if (++steps > kMaxColebrookSteps) throw CalcLimitError("Friktionsfaktorn kan inte beräknas för dessa data");
    x = next;
    next = ColebrookStep(x, re, epsilon, dh);
  }
  const double turbulent = Div(1.0, static_cast<double>(next) * next);
  if (re >= 3500.0f) return ToSingle(turbulent);
  // Transition band: 1180/1200 of the straight blend between the laminar value
  // at 2320 (64/2320) and the Colebrook value.
  return ToSingle((turbulent * (re - 2320.0) + (3500.0 - re) * 0.027586206896551724) / 1200.0);
}

}  // namespace

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
  const float rho = ToSingle(Div(273.0, 273.0 + temp) * 1.29);
  const float nu = ToSingle((0.09000001 * temp + 13.3) * 1e-6);

  if (!innerSizePositive || flode <= 0.0f) return std::nullopt;

  float q = flode;
  if (air.unit == AirFlowUnit::CubicMetresPerHour) q = ToSingle(q / 3.6);
  const float v = ToSingle(Div(q / 1000.0, area));
  const float re = ToSingle(Div(q / 1000.0 * dh, static_cast<double>(area) * nu));
  const float lambda = FrictionFactor(re, epsilon, dh);

  double r = static_cast<double>(v) * v * Div(lambda, dh) * rho / 2.0;
  float rSingle = ToSingle(r);
  if (air.circularChosen && isolering == 0) rSingle = ToSingle(rSingle + static_cast<double>(v) * v * ksi / 2.0);
  return DuctFriction{rSingle, v};
}

}  // namespace calc
