// Number texts: how typed numbers are read and how results are written, with
// the system's decimal separator. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// The system decimal separator: '.' or ','.
struct NumberFormat {
  char decimalSeparator = '.';
};

// Swaps the first comma for a point (decimalPunkt true) or the first point for
// a comma (false), so the user may type either separator.
std::string DecimalFormat(std::string_view text, bool decimalPunkt);

// Reads a decimal number: optional blanks, optional sign, digits with at most
// one (system) separator, optional exponent, optional blanks. Anything else
// throws the floating point conversion error naming the text.
double StrToFloat(std::string_view text, const NumberFormat& fmt);
bool TryStrToFloat(std::string_view text, const NumberFormat& fmt, double& value);

// Reads a whole number: optional leading blanks, optional sign, digits.
int StrToInt(std::string_view text);
bool TryStrToInt(std::string_view text, int& value);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
std::int64_t RoundHalfEven(double value);

// Fixed with `decimals` decimals at `precision` significant digits, rounding
// half away from zero; a value with more than `precision` digits before the
// separator is written in general exponent form instead.
std::string FormatFixed(double value, int precision, int decimals, const NumberFormat& fmt);

// General form: up to `precision` significant digits, trailing zeros dropped,
// exponent form for very large or very small values.
std::string FormatGeneral(double value, const NumberFormat& fmt, int precision = 15);

// A whole number in decimal digits.
std::string FormatInt(std::int64_t value);

}  // namespace calc
