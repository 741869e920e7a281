#include "calc/numtext.h"
#include <gtest/gtest.h>

#include <cfloat>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "calc/errors.h"
#include "tests/calc/message_of.h"

namespace {

using calc::NumberFormat;

const NumberFormat kPoint{'.'};

// ---------------------------------------------------------------------------
// Swapping the typed separator for the system's one.

TEST(DecimalFormat, SwapsOnlyTheFirstSeparator) {
  struct Row {
    const char* name;
    const char* text;
    bool decimalPunkt;
    const char* expected;
  };
  const std::vector<Row> rows = {
      {"comma system: point becomes comma", "2.5", false, "2,5"},
      {"comma system: comma stays", "2,5", false, "2,5"},
      {"comma system: only the first point changes, comma after it stays", "1.234,5", false, "1,234,5"},
      {"comma system: second point stays", "1.2.3", false, "1,2.3"},
      {"comma system: text without separator unchanged", "250", false, "250"},
      {"comma system: empty text", "", false, ""},
      {"point system: comma becomes point", "2,5", true, "2.5"},
      {"point system: point stays", "2.5", true, "2.5"},
      {"point system: second comma stays", "1,2,3", true, "1.2,3"},
      {"point system: dimension text with star", "400,5*200,5", true, "400.5*200,5"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, calc::DecimalFormat(row.text, row.decimalPunkt));
  }
}

// ---------------------------------------------------------------------------
// Reading decimal numbers.

struct FloatRow {
  const char* name;
  const char* text;
  char separator;
  double expected;
};

TEST(StrToFloat, ReadsNumbersWithTheSystemSeparator) {
  const std::vector<FloatRow> rows = {
      {"point system: plain decimal", "2.5", '.', 2.5},
      {"point system: whole number", "250", '.', 250.0},
      {"point system: leading and trailing blanks", " 0.025 ", '.', 0.025},
      {"point system: minus sign", "-2.5", '.', -2.5},
      {"point system: plus sign", "+2.5", '.', 2.5},
      {"point system: blanks before the sign", "  -40", '.', -40.0},
      {"point system: no digits before the separator", ".5", '.', 0.5},
      {"point system: no digits after the separator", "5.", '.', 5.0},
      {"point system: leading zeros", "007", '.', 7.0},
      {"point system: exponent 2e3", "2e3", '.', 2000.0},
      {"point system: capital exponent with minus", "2.5E-3", '.', 0.0025},
      {"point system: exponent with plus", "1.5e+2", '.', 150.0},
      {"point system: zero", "0", '.', 0.0},
      {"comma system: plain decimal", "2,5", ',', 2.5},
      {"comma system: leading and trailing blanks", " 0,025 ", ',', 0.025},
      {"comma system: exponent 2e3", "2e3", ',', 2000.0},
      {"comma system: negative with exponent", "-1,25e1", ',', -12.5},
  };
  for (const FloatRow& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, calc::StrToFloat(row.text, NumberFormat{row.separator}));
  }
}

TEST(StrToFloat, RejectsTextsThatAreNotNumbersNamingTheText) {
  struct Row {
    const char* name;
    const char* text;
    char separator;
  };
  const std::vector<Row> rows = {
      {"empty text", "", '.'},
      {"blanks only", "   ", '.'},
      {"sign only", "-", '.'},
      {"separator only", ".", '.'},
      {"point system: comma as separator", "2,5", '.'},
      {"comma system: point as separator", "2.5", ','},
      {"point system: thousands separator", "1,234.5", '.'},
      {"comma system: thousands separator", "1.234,5", ','},
      {"second separator", "1.2.3", '.'},
      {"blank between digits", "1 000", '.'},
      {"unit after the number", "5 m", '.'},
      {"letter after the number", "2.5x", '.'},
      {"two signs", "+-2", '.'},
      {"exponent without mantissa", "e3", '.'},
      {"exponent without digits", "2e", '.'},
      {"exponent with sign but no digits", "2e+", '.'},
      {"hexadecimal", "0x10", '.'},
      {"infinity word", "inf", '.'},
      {"not-a-number word", "nan", '.'},
      {"tab before the number", "\t5", '.'},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string expected = std::string("'") + row.text + "' is not a valid floating point value";
    EXPECT_EQ(expected,
              MessageOf<calc::ConvertError>([&] { calc::StrToFloat(row.text, NumberFormat{row.separator}); }));
    double untouched = 42.0;
    EXPECT_FALSE(calc::TryStrToFloat(row.text, NumberFormat{row.separator}, untouched));
    EXPECT_EQ(42.0, untouched);
  }
}

// ---------------------------------------------------------------------------
// Reading whole numbers.

TEST(StrToInt, ReadsDecimalWholeNumbersInThe32BitRange) {
  struct Row {
    const char* name;
    const char* text;
    int expected;
  };
  const std::vector<Row> rows = {
      {"plain", "42", 42},
      {"leading blanks", "  42", 42},
      {"minus sign", "-7", -7},
      {"plus sign", "+7", 7},
      {"leading zeros", "007", 7},
      {"zero", "0", 0},
      {"largest", "2147483647", std::numeric_limits<int>::max()},
      {"smallest", "-2147483648", std::numeric_limits<int>::min()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, calc::StrToInt(row.text));
  }
}

TEST(StrToInt, RejectsOtherTextsWithDoubledApostrophes) {
  struct Row {
    const char* name;
    const char* text;
  };
  const std::vector<Row> rows = {
      {"empty text", ""},
      {"blanks only", "  "},
      {"sign only", "-"},
      {"trailing blank", "42 "},
      {"blank between digits", "4 2"},
      {"decimals", "2.5"},
      {"decimal comma", "2,5"},
      {"letter after digits", "12a"},
      {"hexadecimal", "0x10"},
      {"exponent", "1e3"},
      {"one above the largest", "2147483648"},
      {"plus sign, one above the largest", "+2147483648"},
      {"one below the smallest", "-2147483649"},
      {"far beyond 64 bits", "99999999999999999999999"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::string expected = std::string("''") + row.text + "'' is not a valid integer value";
    EXPECT_EQ(expected, MessageOf<calc::ConvertError>([&] { calc::StrToInt(row.text); }));
  }
}

// ---------------------------------------------------------------------------
// Rounding to a whole number.

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
  struct Row {
    const char* name;
    double value;
    std::int64_t expected;
  };
  const std::vector<Row> rows = {
      {"2.5 down to even 2", 2.5, 2},
      {"3.5 up to even 4", 3.5, 4},
      {"-2.5 to even -2", -2.5, -2},
      {"-3.5 to even -4", -3.5, -4},
      {"0.5 down to 0", 0.5, 0},
      {"1.5 up to 2", 1.5, 2},
      {"971.5 up to 972", 971.5, 972},
      {"972.5 down to 972", 972.5, 972},
      {"just below a half rounds down", 2.4999999, 2},
      {"just above a half rounds up", 2.5000001, 3},
      {"largest double below 0.5 rounds to 0", 0.49999999999999994, 0},
      {"odd whole number beyond 2^52 stays", 4503599627370497.0, 4503599627370497},
      {"negative not a half", -1.7, -2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, calc::RoundHalfEven(row.value));
  }
}

// ---------------------------------------------------------------------------
// Writing numbers with a fixed number of decimals.

TEST(FormatFixed, RoundsOnceHalfAwayFromZeroAndPadsTheDecimals) {
  struct Row {
    const char* name;
    double value;
    int precision;
    int decimals;
    char separator;
    const char* expected;
  };
  const std::vector<Row> rows = {
      {"0.456 at 2 significant digits, 3 decimals", 0.456, 2, 3, '.', "0.460"},
      {"exact tie 0.125 rounds away from zero", 0.125, 15, 2, '.', "0.13"},
      {"exact tie -0.125 rounds away from zero", -0.125, 15, 2, '.', "-0.13"},
      {"3.04 to 1 decimal", 3.04, 15, 1, '.', "3.0"},
      {"3.06 to 1 decimal", 3.06, 15, 1, '.', "3.1"},
      {"3.06 to 1 decimal, comma system", 3.06, 15, 1, ',', "3,1"},
      {"0.1034 at 2 significant digits", 0.1034, 2, 3, '.', "0.100"},
      {"whole number padded with zeros", 81.0, 10, 3, '.', "81.000"},
      {"no decimals: no separator", 1296.0, 15, 0, '.', "1296"},
      {"0.5 with no decimals rounds up", 0.5, 15, 0, '.', "1"},
      {"-0.5 with no decimals rounds away from zero", -0.5, 15, 0, '.', "-1"},
      {"1.005 is stored below the tie: 1.00", 1.005, 15, 2, '.', "1.00"},
      {"2.675 is stored below the tie: 2.67", 2.675, 15, 2, '.', "2.67"},
      {"9.995 is stored below the tie: 9.99", 9.995, 15, 2, '.', "9.99"},
      {"0.45 single stored below the tie: one rounding gives 0.4", static_cast<double>(0.45f), 15, 1, '.', "0.4"},
      {"0.15 single stored above the tie: 0.2", static_cast<double>(0.15f), 15, 1, '.', "0.2"},
      {"0.1 single to 2 decimals", static_cast<double>(0.1f), 15, 2, '.', "0.10"},
      {"carry into a new integer digit", 99.96, 15, 1, '.', "100.0"},
      {"carry through all nines", 9.9951, 15, 2, '.', "10.00"},
      {"first decimal kept is the first digit: 0.006 to 0.01", 0.006, 15, 2, '.', "0.01"},
      {"first decimal kept is the first digit: 0.004 to 0.00", 0.004, 15, 2, '.', "0.00"},
      {"value far below the last decimal", 0.0004, 15, 2, '.', "0.00"},
      {"small negative rounding to zero has no minus", -0.004, 15, 2, '.', "0.00"},
      {"negative zero has no minus", -0.0, 15, 2, '.', "0.00"},
      {"precision 1 counts as 2", 0.456, 1, 3, '.', "0.460"},
      {"precision 0 counts as 2", 0.456, 0, 3, '.', "0.460"},
      {"as many integer digits as the precision stays fixed", 123456.7, 6, 2, '.', "123457.00"},
      {"more integer digits than the precision: exponent form", 1234567.0, 6, 2, '.', "1.23457E6"},
      {"exponent form, negative", -1234567.0, 6, 2, '.', "-1.23457E6"},
      {"exponent form, comma system", 1234567.5, 6, 2, ',', "1,23457E6"},
      {"rounding up to one more integer digit than the precision", 999999.7, 6, 0, '.', "1E6"},
      {"huge value", 1e20, 15, 2, '.', "1E20"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, calc::FormatFixed(row.value, row.precision, row.decimals, NumberFormat{row.separator}));
  }
}

// ---------------------------------------------------------------------------
// Writing numbers in general form.

TEST(FormatGeneral, WritesUpTo15SignificantDigitsWithoutTrailingZeros) {
  struct Row {
    const char* name;
    double value;
    char separator;
    const char* expected;
  };
  const std::vector<Row> rows = {
      {"ordinary decimal", 0.96305, '.', "0.96305"},
      {"comma system", 0.5, ',', "0,5"},
      {"zero", 0.0, '.', "0"},
      {"negative zero", -0.0, '.', "0"},
      {"whole number", 100.0, '.', "100"},
      {"negative", -1.5, '.', "-1.5"},
      {"0.1 + 0.2 shows as 0.3", 0.1 + 0.2, '.', "0.3"},
      {"one third cut at 15 digits", 1.0 / 3.0, '.', "0.333333333333333"},
      {"two thirds rounded at 15 digits", 2.0 / 3.0, '.', "0.666666666666667"},
      {"single 0.1 shows its binary error", static_cast<double>(0.1f), '.', "0.100000001490116"},
      {"0.0001 without exponent", 0.0001, '.', "0.0001"},
      {"0.00012345 without exponent", 0.00012345, '.', "0.00012345"},
      {"just below 0.0001 rounds up to it", 9.999999999999999e-5, '.', "0.0001"},
      {"1E-5 in exponent form", 1e-5, '.', "1E-5"},
      {"0.000012345 in exponent form", 0.000012345, '.', "1.2345E-5"},
      {"exponent form, comma system, negative", -0.000012345, ',', "-1,2345E-5"},
      {"15 integer digits without exponent", 123456789012345.0, '.', "123456789012345"},
      {"16 integer digits in exponent form", 1234567890123456.0, '.', "1.23456789012346E15"},
      {"1E20", 1e20, '.', "1E20"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, calc::FormatGeneral(row.value, NumberFormat{row.separator}));
  }
}

TEST(FormatGeneral, SmallerPrecisionRoundsHalfAwayFromZero) {
  EXPECT_EQ("3.14", calc::FormatGeneral(3.14159, kPoint, 3));
  EXPECT_EQ("0.13", calc::FormatGeneral(0.125, kPoint, 2));
  EXPECT_EQ("1E3", calc::FormatGeneral(999.7, kPoint, 3));
}

// ---------------------------------------------------------------------------
// Arithmetic faults.

TEST(MathFaults, CheckedOperationsThrowTheTrapMessage) {
  struct Row {
    const char* name;
    std::function<void()> op;
    const char* expected;
  };
  const std::vector<Row> rows = {
      {"1 / 0", [] { calc::Div(1.0, 0.0); }, "Floating point division by zero"},
      {"-1 / 0", [] { calc::Div(-1.0, 0.0); }, "Floating point division by zero"},
      {"0 / 0", [] { calc::Div(0.0, 0.0); }, "Invalid floating point operation"},
      {"quotient beyond double range", [] { calc::Div(1e300, 1e-300); }, "Floating point overflow"},
      {"ln 0", [] { calc::Ln(0.0); }, "Floating point division by zero"},
      {"ln -1", [] { calc::Ln(-1.0); }, "Invalid floating point operation"},
      {"log10 0", [] { calc::Log10(0.0); }, "Floating point division by zero"},
      {"sqrt -1", [] { calc::Sqrt(-1.0); }, "Invalid floating point operation"},
      {"exp 1000", [] { calc::Exp(1000.0); }, "Floating point overflow"},
      {"1e300 stored as single", [] { calc::ToSingle(1e300); }, "Floating point overflow"},
      {"-1e300 stored as single", [] { calc::ToSingle(-1e300); }, "Floating point overflow"},
      {"not-a-number stored as single", [] { calc::ToSingle(std::numeric_limits<double>::quiet_NaN()); },
       "Invalid floating point operation"},
      {"whole number of not-a-number", [] { calc::RoundHalfEven(std::numeric_limits<double>::quiet_NaN()); },
       "Invalid floating point operation"},
      {"whole number of infinity", [] { calc::RoundHalfEven(std::numeric_limits<double>::infinity()); },
       "Floating point overflow"},
      {"whole number of minus infinity", [] { calc::RoundHalfEven(-std::numeric_limits<double>::infinity()); },
       "Floating point overflow"},
      {"fixed form of not-a-number", [] { calc::FormatFixed(std::numeric_limits<double>::quiet_NaN(), 15, 2, kPoint); },
       "Invalid floating point operation"},
      {"general form of infinity", [] { calc::FormatGeneral(std::numeric_limits<double>::infinity(), kPoint); },
       "Floating point overflow"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, MessageOf<calc::MathError>(row.op));
  }
}

TEST(MathFaults, OverflowOfASingleIsItsOwnKind) {
  EXPECT_THROW(calc::ToSingle(1e300), calc::OverflowError);
  EXPECT_THROW(calc::Div(1.0, 0.0), calc::ZeroDivideError);
  EXPECT_THROW(calc::Sqrt(-1.0), calc::InvalidOpError);
}

TEST(MathFaults, ValuesInRangePassThrough) {
  EXPECT_EQ(0.25, calc::Div(1.0, 4.0));
  EXPECT_EQ(0.0, calc::Ln(1.0));
  EXPECT_EQ(2.0, calc::Sqrt(4.0));
  EXPECT_EQ(0.0, calc::Sqrt(0.0));
  EXPECT_EQ(FLT_MAX, calc::ToSingle(static_cast<double>(FLT_MAX)));
  EXPECT_EQ(0.1f, calc::ToSingle(0.1));
}

}  // namespace
