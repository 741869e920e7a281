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

// A loop that would not end within its bound; the text says which.
class CalcLimitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

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
