#include "script/core/LiteralValue.h"

#include "script/core/Lexer.h"
#include "script/core/Operators.h"
#include "script/core/ScriptError.h"

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

}  // namespace zeto::script
