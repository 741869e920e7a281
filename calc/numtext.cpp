#include "calc/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "calc/errors.h"

namespace calc {

std::string DecimalFormat(std::string_view text, bool decimalPunkt) {
  std::string result(text);
  const char from = decimalPunkt ? ',' : '.';
  const char to = decimalPunkt ? '.' : ',';
  if (const auto pos = result.find(from); pos != std::string::npos) result[pos] = to;
  return result;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the grammar and returns the number as a text with a point, ready for
// from_chars; an empty result means the text is not a number.
std::string CanonicalFloat(std::string_view text, char separator) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::string out;
  out.reserve(n - i);
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') out += '-';
    ++i;
  }
  bool digits = false;
  bool separatorSeen = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      out += c;
      digits = true;
    } else if (c == separator && !separatorSeen) {
      out += '.';
      separatorSeen = true;
    } else {
      break;
    }
  }
  if (!digits) return {};
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    out += 'e';
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) out += text[i++];
    bool expDigits = false;
    while (i < n && IsDigit(text[i])) {
      out += text[i++];
      expDigits = true;
    }
    if (!expDigits) return {};
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return {};
  return out;
}

}  // namespace

bool TryStrToFloat(std::string_view text, const NumberFormat& fmt, double& value) {
  const std::string canonical = CanonicalFloat(text, fmt.decimalSeparator);
  if (canonical.empty()) return false;
  double parsed = 0.0;
  const char* first = canonical.data();
  const char* last = first + canonical.size();
  const auto [ptr, ec] = std::from_chars(first, last, parsed);
  if (ec != std::errc() || ptr != last || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

double StrToFloat(std::string_view text, const NumberFormat& fmt) {
  double value = 0.0;
  if (!TryStrToFloat(text, fmt, value)) ThrowFloatConvert(text);
  return value;
}

bool TryStrToInt(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > std::int64_t{std::numeric_limits<int>::max()} + 1) return false;
  }
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(signedValue);
  return true;
}

int StrToInt(std::string_view text) {
  int value = 0;
  if (!TryStrToInt(text, value)) ThrowIntConvert(text);
  return value;
}

std::int64_t RoundHalfEven(double value) {
  Finite(value);
  const double rounded = std::nearbyint(value);
  if (std::fabs(rounded) >= 9.2233720368547758e18) throw InvalidOpError();
  return static_cast<std::int64_t>(rounded);
}

std::string FormatInt(std::int64_t value) { return std::to_string(value); }

namespace {

// The decimal digits of |value| rounded half away from zero, as the value
// 0.d1d2d3... x 10^exponent. Digits beyond the significant ones are dropped.
struct DecimalDigits {
  std::string digits;  // empty for zero
  int exponent = 0;
  bool negative = false;
};

// Exact decimal expansion, long enough that a tie at any position we round at
// (at most 18 significant digits) is told apart from a value just beside it.
DecimalDigits ExactDigits(double value) {
  DecimalDigits d;
  d.negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  if (magnitude == 0.0) return d;
  // Exact digits of the binary value, as printf's "%.60e" writes them.
  char buffer[128];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 60).ptr;
  const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
  // "d.ddd...e±x": the first digit, then the digits after the point.
  const auto e = text.find('e');
  d.digits.reserve(e);
  d.digits.assign(1, text[0]);
  d.digits.append(text.substr(2, e - 2));
  int exp10 = 0;
  std::string_view exponent = text.substr(e + 1);
  if (!exponent.empty() && exponent.front() == '+') exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), exp10);
  d.exponent = exp10 + 1;
  return d;
}

// Keeps `count` significant digits, rounding half away from zero; count may be
// zero or negative (the value then rounds to zero or to one unit at the first
// kept position).
void RoundDigits(DecimalDigits& d, int count) {
  if (d.digits.empty()) return;
  if (count < 0) {
    d.digits.clear();
    return;
  }
  if (static_cast<std::size_t>(count) >= d.digits.size()) return;
  const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
  d.digits.resize(static_cast<std::size_t>(count));
  if (up) {
    int i = count - 1;
    while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
      d.digits[static_cast<std::size_t>(i)] = '0';
      --i;
    }
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      d.exponent += 1;
      d.digits.pop_back();
      if (d.digits.empty()) d.digits = "1";
    } else {
      ++d.digits[static_cast<std::size_t>(i)];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

std::string GeneralFromDigits(const DecimalDigits& d, int precision, char separator) {
  if (d.digits.empty()) return "0";
  std::string out = d.negative ? "-" : "";
  if (d.exponent > precision || d.exponent < -3) {
    out += d.digits[0];
    if (d.digits.size() > 1) {
      out += separator;
      out += d.digits.substr(1);
    }
    out += 'E';
    out += std::to_string(d.exponent - 1);
    return out;
  }
  if (d.exponent <= 0) {
    out += '0';
    out += separator;
    out.append(static_cast<std::size_t>(-d.exponent), '0');
    out += d.digits;
    return out;
  }
  const auto intDigits = static_cast<std::size_t>(d.exponent);
  if (d.digits.size() <= intDigits) {
    out += d.digits;
    out.append(intDigits - d.digits.size(), '0');
  } else {
    out += d.digits.substr(0, intDigits);
    out += separator;
    out += d.digits.substr(intDigits);
  }
  return out;
}

}  // namespace

std::string FormatGeneral(double value, const NumberFormat& fmt, int precision) {
  Finite(value);
  DecimalDigits d = ExactDigits(value);
  RoundDigits(d, precision);
  return GeneralFromDigits(d, precision, fmt.decimalSeparator);
}

std::string FormatFixed(double value, int precision, int decimals, const NumberFormat& fmt) {
  Finite(value);
  if (precision < 2) precision = 2;
  DecimalDigits d = ExactDigits(value);
  if (!d.digits.empty()) {
    // One rounding, at whichever comes first: the last significant digit or
    // the last decimal.
    const int keep = std::min(precision, d.exponent + decimals);
    if (keep == 0 && d.digits[0] >= '5') {
      // Rounds up to one unit at the first decimal position kept.
      d.digits = "1";
      d.exponent += 1;
    } else {
      RoundDigits(d, keep);
    }
  }
  if (d.exponent > precision) return GeneralFromDigits(d, precision, fmt.decimalSeparator);

  std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
  // Integer part.
  if (d.digits.empty() || d.exponent <= 0) {
    out += '0';
  } else {
    for (int i = 0; i < d.exponent; ++i)
      out += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
  }
  if (decimals > 0) {
    out += fmt.decimalSeparator;
    for (int i = 0; i < decimals; ++i) {
      const int index = d.exponent + i;  // position in the digit string
      const bool inDigits = !d.digits.empty() && index >= 0 && index < static_cast<int>(d.digits.size());
      out += inDigits ? d.digits[static_cast<std::size_t>(index)] : '0';
    }
  }
  return out;
}

}  // namespace calc
