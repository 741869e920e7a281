#include "calc/errors.h"

#include <cfloat>
#include <cmath>

namespace calc {

void ThrowFloatConvert(std::string_view text) {
  std::string message = "'";
  message += text;
  message += "' is not a valid floating point value";
  throw ConvertError(message);
}

void ThrowIntConvert(std::string_view text) {
  // Two single quotes on each side, unlike the floating point message: the
  // integer message has always been shown so.
  std::string message = "''";
  message += text;
  message += "'' is not a valid integer value";
  throw ConvertError(message);
}

double Finite(double x) {
  if (std::isnan(x)) throw InvalidOpError();
  if (std::isinf(x)) throw OverflowError();
  return x;
}

double Div(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) throw InvalidOpError();
  if (b == 0.0) {
    if (a == 0.0) throw InvalidOpError();
    throw ZeroDivideError();
  }
  return Finite(a / b);
}

double Ln(double x) {
  if (std::isnan(x) || x < 0.0) throw InvalidOpError();
  if (x == 0.0) throw ZeroDivideError();
  return std::log(x);
}

double Log10(double x) { return Ln(x) / std::log(10.0); }

double Sqrt(double x) {
  if (std::isnan(x) || x < 0.0) throw InvalidOpError();
  return std::sqrt(x);
}

double Exp(double x) { return Finite(std::exp(Finite(x))); }

float ToSingle(double x) {
  Finite(x);
  if (std::fabs(x) > static_cast<double>(FLT_MAX)) {
    // Values that round to FLT_MAX still fit; only those beyond the rounding
    // boundary overflow.
    const float f = static_cast<float>(x);
    if (std::isinf(f)) throw OverflowError();
    return f;
  }
  return static_cast<float>(x);
}

const char* FaultName(FaultCode code) {
  switch (code) {
    case FaultCode::FrictionNotSettled: return "FrictionNotSettled";
    case FaultCode::RoomNotNegative: return "RoomNotNegative";
    case FaultCode::EquilibriumNotSettled: return "EquilibriumNotSettled";
    case FaultCode::TooManySteps: return "TooManySteps";
  }
  return "Fault";
}

CalcFault::CalcFault(FaultCode code) : std::runtime_error(FaultName(code)), code_(code) {}

}  // namespace calc
