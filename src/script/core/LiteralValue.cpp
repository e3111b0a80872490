#include "script/core/LiteralValue.h"

#include "script/core/Lexer.h"
#include "script/core/Operators.h"
#include "script/core/ScriptError.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace zeto::script {

Value literalValue(std::string_view numberText) {
    Lexer lexer(numberText);
    const bool negative = lexer.current().kind == Token::Kind::Minus;
    if (negative || lexer.current().kind == Token::Kind::Plus) lexer.advance();
    const Token literal = lexer.current();
    lexer.advance();
    if (lexer.current().kind != Token::Kind::End)
        throw ScriptError::standard(VbError::InvalidNumber);
    // The subtypes the parser gives the same tokens.
    Value value;
    switch (literal.kind) {
        case Token::Kind::Integer:
            value = Value::integer(static_cast<std::int16_t>(literal.number));
            break;
        case Token::Kind::Long:
            value = Value::longInteger(static_cast<std::int32_t>(literal.number));
            break;
        case Token::Kind::Double:
            value = Value::number(literal.number);
            break;
        default:
            throw ScriptError::standard(VbError::InvalidNumber);
    }
    return negative ? Operators::negate(value) : value;
}

Value literalValueOf(double value, int precision) {
    if (!std::isfinite(value)) throw ScriptError::standard(VbError::InvalidNumber);
    if (value == 0) return Value::integer(0);
    // The decimal the text form shows: the value rounded to `precision` significant digits.
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                      std::chars_format::scientific, precision - 1);
    double size = 0;
    std::from_chars(buffer, written.ptr, size);
    const char* e = buffer;
    while (e != written.ptr && *e != 'e') ++e;
    int exponent = 0;
    const char* digitsOfExponent = e + 1;
    if (digitsOfExponent != written.ptr && *digitsOfExponent == '+') ++digitsOfExponent;
    std::from_chars(digitsOfExponent, written.ptr, exponent);
    // Trailing zeros are not written: the last nonzero digit tells whether the text is whole.
    int last = -1;
    int index = 0;
    for (const char* p = buffer; p != e; ++p) {
        if (*p < '0' || *p > '9') continue;
        if (*p != '0') last = index;
        ++index;
    }
    // The text is plain digits (no exponent) for exponents from -4 to precision - 1, and whole
    // when no digit is left after the decimal point.
    const bool plain = exponent >= -4 && exponent < precision;
    const bool whole = plain && last <= exponent;
    Value literal;
    if (whole && size <= 32767) {
        literal = Value::integer(static_cast<std::int16_t>(size));
    } else if (whole && size <= 2147483647.0) {
        literal = Value::longInteger(static_cast<std::int32_t>(size));
    } else {
        literal = Value::number(size);
    }
    return value < 0 ? Operators::negate(literal) : literal;
}

}  // namespace zeto::script
