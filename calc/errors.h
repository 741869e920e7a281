// Faults that end a calculation. Each carries the exact text the user sees in
// the error box (the window adds the closing full stop).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// A number text that does not read as a number.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An arithmetic fault: what the floating-point unit would trap.
class MathError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ZeroDivideError : public MathError {
 public:
  ZeroDivideError() : MathError("Floating point division by zero") {}
};

class InvalidOpError : public MathError {
 public:
  InvalidOpError() : MathError("Invalid floating point operation") {}
};

class OverflowError : public MathError {
 public:
  OverflowError() : MathError("Floating point overflow") {}
};

// The calculation core's own faults, by kind. The window words each one in
// the interface language; the core writes no sentence for the user.
enum class FaultCode {
  FrictionNotSettled,     // Colebrook's iteration did not settle within its bound
  RoomNotNegative,        // a negative outdoor flow or room volume
  EquilibriumNotSettled,  // the CO2 equilibrium was not reached within its bound
  TooManySteps,           // a step-by-step walk passed the steps it was given
};

// A fault of the core's own (not a number text or an arithmetic trap): a loop
// that would not end within its bound, or inputs the model refuses. what()
// is the code's name, for logs and tests, never for the user.
class CalcFault : public std::runtime_error {
 public:
  explicit CalcFault(FaultCode code);
  FaultCode code() const { return code_; }

 private:
  FaultCode code_;
};

// The code's name ("FrictionNotSettled").
const char* FaultName(FaultCode code);

[[noreturn]] void ThrowFloatConvert(std::string_view text);
[[noreturn]] void ThrowIntConvert(std::string_view text);

// Checked arithmetic: throws where the IEEE rules raise a trap.
double Div(double a, double b);
double Ln(double x);
double Log10(double x);
double Sqrt(double x);
double Exp(double x);
// Stores a double as a 32-bit single; a finite value beyond its range overflows.
float ToSingle(double x);
// A value that must be finite before it is shown or converted.
double Finite(double x);

}  // namespace calc
