#include "calc/valve.h"

#include <cmath>
#include <numbers>

#include "calc/errors.h"

namespace calc {

namespace {

float Area(float d) { return ToSingle(static_cast<double>(d) * d * std::numbers::pi / 4.0); }

// The velocity in the connection, in m/s.
float Velocity(float q, float area) { return ToSingle(Div(q / 3600.0, area)); }

// Ten to the power x, as e^(ln 10 * x).
double PowerOfTen(double x) { return Exp(std::log(10.0) * x); }

}  // namespace

float VentilKv(float q, float dp) { return ToSingle(Div(q, Sqrt(dp))); }

float VentilFe(float q, float dp, float d) {
  const float v = Velocity(q, Area(d));
  return ToSingle(Log10(Div(dp * kPascalsPerBar, static_cast<double>(v) * v * (kValveWaterDensity / 2.0))));
}

float VentilTryckfallKv(float q, float kv) {
  const double ratio = Div(q, kv);
  return ToSingle(ratio * ratio);
}

float VentilTryckfallFe(float q, float fe, float d) {
  const float v = Velocity(q, Area(d));
  const float y = ToSingle(Log10(500.0 * v * v) + fe);
  return ToSingle(PowerOfTen(y) / kPascalsPerBar);
}

float VentilFlodeKv(float dp, float kv) { return ToSingle(Sqrt(dp) * kv); }

float VentilFlodeFe(float dp, float fe, float d) {
  const float area = Area(d);
  const float v = ToSingle(Sqrt(Div(dp * kPascalsPerBar, PowerOfTen(fe) * (kValveWaterDensity / 2.0))));
  return ToSingle(static_cast<double>(v) * area * kSecondsPerHour);
}

}  // namespace calc
