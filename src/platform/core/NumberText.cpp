#include "platform/core/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace zeto {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Scans a decimal number starting at pos. Returns the number of characters that form it
// (0 when there is no number) and writes the canonical text strtod understands.
size_t scanDecimal(std::string_view text, size_t pos, std::string& canonical) {
    size_t p = pos;
    canonical.clear();
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        canonical += text[p];
        ++p;
    }
    size_t digits = 0;
    while (p < text.size() && isDigit(text[p])) {
        canonical += text[p++];
        ++digits;
    }
    if (p < text.size() && text[p] == '.') {
        size_t q = p + 1;
        size_t fraction = 0;
        std::string part = ".";
        while (q < text.size() && isDigit(text[q])) {
            part += text[q++];
            ++fraction;
        }
        if (digits + fraction > 0) {
            canonical += part;
            digits += fraction;
            p = q;
        }
    }
    if (digits == 0) return 0;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E' || text[p] == 'd' || text[p] == 'D')) {
        size_t q = p + 1;
        std::string part = "e";
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) part += text[q++];
        size_t expDigits = 0;
        while (q < text.size() && isDigit(text[q])) {
            part += text[q++];
            ++expDigits;
        }
        if (expDigits > 0) {
            canonical += part;
            p = q;
        }
    }
    return p - pos;
}

double readCanonical(const std::string& canonical) {
    // strtod gives +/-HUGE_VAL on overflow and a correctly rounded value otherwise.
    return std::strtod(canonical.c_str(), nullptr);
}

double readRadix(std::string_view text, size_t pos, int radix) {
    double value = 0;
    bool any = false;
    for (size_t p = pos; p < text.size(); ++p) {
        int c = std::tolower(static_cast<unsigned char>(text[p]));
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (digit < 0 || digit >= radix) break;
        value = value * radix + digit;
        any = true;
    }
    return any ? value : 0.0;
}

std::string trimmedCopy(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return std::string(text.substr(begin, end - begin));
}

std::string formatSignificant(double value, int digits) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
    return formatDigits(significantDigits(value, digits), digits);
}

}  // namespace

double leadingNumber(std::string_view text) {
    size_t p = 0;
    while (p < text.size() && isBlank(text[p])) ++p;
    if (p + 1 < text.size() && text[p] == '&') {
        char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(text[p + 1])));
        if (kind == 'H') return readRadix(text, p + 2, 16);
        if (kind == 'O') return readRadix(text, p + 2, 8);
    }
    std::string canonical;
    if (scanDecimal(text, p, canonical) == 0) return 0.0;
    return readCanonical(canonical);
}

double leadingNumber(const QString& text) {
    return leadingNumber(text.toStdString());
}

std::optional<double> strictNumber(std::string_view text) {
    std::string trimmed = trimmedCopy(text);
    if (trimmed.empty()) return std::nullopt;
    std::string canonical;
    if (scanDecimal(trimmed, 0, canonical) != trimmed.size()) return std::nullopt;
    double value = readCanonical(canonical);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> strictNumber(const QString& text) {
    return strictNumber(text.toStdString());
}

bool isNumeric(const QString& text) {
    return strictNumber(text).has_value();
}

SignificantDigits significantDigits(double value, int precision) {
    SignificantDigits decimal;
    if (value == 0 || !std::isfinite(value)) return decimal;
    decimal.negative = value < 0;
    const double size = std::fabs(value);
    if (size == std::floor(size) && size < std::pow(10.0, precision)) {
        // A whole number of no more digits than asked for: its digits need no rounding.
        decimal.digits = std::to_string(static_cast<long long>(size));
        decimal.exponent = static_cast<int>(decimal.digits.size()) - 1;
    } else {
        // The exact binary value rounded to the nearest decimal, ties to even.
        char buffer[64];
        const std::to_chars_result end = std::to_chars(
            buffer, buffer + sizeof buffer, size, std::chars_format::scientific, precision - 1);
        const char* p = buffer;
        for (; p != end.ptr && *p != 'e'; ++p)
            if (isDigit(*p)) decimal.digits += *p;
        int exponent = 0;
        if (p != end.ptr) {
            const char* digits = p + 1;
            if (digits != end.ptr && *digits == '+') ++digits;
            std::from_chars(digits, end.ptr, exponent);
        }
        decimal.exponent = exponent;
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

std::string formatDigits(const SignificantDigits& decimal, int precision) {
    const std::string& digits = decimal.digits;
    if (digits.empty()) return "0";
    const int e = decimal.exponent;
    std::string text = decimal.negative ? "-" : "";
    if (e < -4 || e >= precision) {
        text += digits[0];
        if (digits.size() > 1) text += "." + digits.substr(1);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        return text + exponent;
    }
    if (e < 0) return text + "0." + std::string(-e - 1, '0') + digits;
    const size_t whole = static_cast<size_t>(e) + 1;
    if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string formatNumber(double value) {
    return formatSignificant(value, 15);
}

QString numberText(double value) {
    return QString::fromStdString(formatNumber(value));
}

std::string formatSingle(float value) {
    return formatSignificant(static_cast<double>(value), 7);
}

QString singleText(float value) {
    return QString::fromStdString(formatSingle(value));
}

float toSingle(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    // Half a unit in the last place above FLT_MAX still rounds down to it; beyond that a
    // 32-bit store overflows.
    constexpr double kRoundsToMax = kMax + 0x1p103;
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    if (std::fabs(value) > kMax) {
        if (std::fabs(value) < kRoundsToMax)
            return value > 0 ? static_cast<float>(kMax) : -static_cast<float>(kMax);
        return value > 0 ? std::numeric_limits<float>::infinity()
                         : -std::numeric_limits<float>::infinity();
    }
    return static_cast<float>(value);
}

}  // namespace zeto
