#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace zeto {

// The one place where the program turns texts into numbers and numbers into texts.

// Lenient reading: the number at the start of the text (leading blanks skipped, reading
// stops at the first character that cannot continue it, "&H"/"&O" prefixes read as hex or
// octal). A text without a leading number reads 0. A number beyond double range reads as
// +/- infinity, which callers treat as too large.
double leadingNumber(std::string_view text);
double leadingNumber(const QString& text);

// Strict reading: the whole text must be one decimal number (sign, decimal point and
// exponent allowed, blanks around it allowed). Empty, partly numeric or out-of-range
// texts give nothing.
std::optional<double> strictNumber(std::string_view text);
std::optional<double> strictNumber(const QString& text);

// The numeric test of the input fields: true exactly when strictNumber() reads the text.
bool isNumeric(const QString& text);

// A decimal number by its significant digits: -d1.d2d3... * 10^exponent when negative,
// +d1.d2d3... * 10^exponent otherwise. No digits is zero.
struct SignificantDigits {
    bool negative = false;
    std::string digits;  // no leading or trailing zeros
    int exponent = 0;
};

// A finite double rounded to the given number of significant digits. The exact binary value
// is rounded, an exact tie to the even last digit; any other decimal the program shows in
// place of a double is rounded the same way, so that both agree digit for digit.
SignificantDigits significantDigits(double value, int precision);

// Text form of a decimal of at most `precision` significant digits: exponent form
// ("1E-05", "6.33825300114115E+29") when its exponent is below -4 or not below `precision`,
// plain digits otherwise, with a leading zero before the decimal point and a minus sign for
// negatives. Zero is "0".
std::string formatDigits(const SignificantDigits& decimal, int precision);

// Text form of a double: at most 15 significant digits, as formatDigits() writes them.
std::string formatNumber(double value);
QString numberText(double value);

// The same for single precision: at most 7 significant digits.
std::string formatSingle(float value);
QString singleText(float value);

// Rounds a double to single precision the way a 32-bit variable stores it; values beyond
// single range become +/- infinity.
float toSingle(double value);

}  // namespace zeto
