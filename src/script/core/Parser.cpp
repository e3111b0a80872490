#include "script/core/Parser.h"

#include "script/core/Builtins.h"
#include "script/core/ScriptError.h"

#include <limits>
#include <utility>

namespace zeto::script {

namespace {

// Deep enough for any formula a person writes, shallow enough that the recursion it
// costs stays far from the native stack limit, also in instrumented builds.
constexpr int kMaxNesting = 128;
constexpr std::size_t kMaxArguments = 1000;

// Operator levels from loosest to tightest; unary Not sits at 6 and negation at 13.
constexpr int kNotOperand = 7;
constexpr int kNegationOperand = 13;

struct BinaryOperator {
    int level;
    Instruction::Op op;
};

BinaryOperator binaryOperator(const Token& t) {
    using Op = Instruction::Op;
    using K = Token::Kind;
    switch (t.kind) {
        case K::Keyword:
            switch (t.keyword) {
                case Keyword::Imp:
                    return {1, Op::Imp};
                case Keyword::Eqv:
                    return {2, Op::Eqv};
                case Keyword::Xor:
                    return {3, Op::Xor};
                case Keyword::Or:
                    return {4, Op::Or};
                case Keyword::And:
                    return {5, Op::And};
                case Keyword::Mod:
                    return {10, Op::Modulo};
                default:
                    return {0, Op::Return};
            }
        case K::Equal:
            return {7, Op::Equal};
        case K::NotEqual:
            return {7, Op::NotEqual};
        case K::Less:
            return {7, Op::Less};
        case K::Greater:
            return {7, Op::Greater};
        case K::LessEqual:
            return {7, Op::LessEqual};
        case K::GreaterEqual:
            return {7, Op::GreaterEqual};
        case K::Ampersand:
            return {8, Op::Concat};
        case K::Plus:
            return {9, Op::Add};
        case K::Minus:
            return {9, Op::Subtract};
        case K::Backslash:
            return {11, Op::IntDivide};
        case K::Star:
            return {12, Op::Multiply};
        case K::Slash:
            return {12, Op::Divide};
        case K::Caret:
            return {14, Op::Power};
        default:
            return {0, Op::Return};
    }
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = lowerAscii(c);
    return out;
}

bool sameName(const std::string& lower, std::string_view spelling) {
    if (lower.size() != spelling.size()) return false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (lowerAscii(spelling[i]) != lower[i]) return false;
    }
    return true;
}

}  // namespace

// Counts one level of parentheses or unary operators for as long as it lives.
class NestingGuard {
  public:
    NestingGuard(Parser& parser, Parser::Where at) : parser_(parser) {
        if (++parser_.nesting_ > kMaxNesting) {
            parser_.fail(VbError::OutOfStackSpace, at);
        }
    }
    ~NestingGuard() { --parser_.nesting_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

  private:
    Parser& parser_;
};

Parser::Parser(std::string_view text) : lexer_(text) {}

Parser::Where Parser::here() const {
    const Token& t = lexer_.current();
    return {static_cast<std::uint32_t>(t.line), static_cast<std::uint32_t>(t.column)};
}

bool Parser::isKeyword(Keyword keyword) const {
    return lexer_.current().kind == Kind::Keyword && lexer_.current().keyword == keyword;
}

void Parser::fail(VbError::Code code, Where at) const {
    throw ScriptError(code, VbError::describe(code), static_cast<int>(at.line),
                      static_cast<int>(at.column));
}

void Parser::fail(VbError::Code code) const {
    fail(code, here());
}

void Parser::expect(Kind kind, VbError::Code code) {
    if (!is(kind)) fail(code);
    lexer_.advance();
}

bool Parser::atEndOfStatement() const {
    return is(Kind::Newline) || is(Kind::Colon) || is(Kind::End);
}

void Parser::expectEndOfStatement() {
    if (!atEndOfStatement()) fail(VbError::ExpectedEndOfStatement);
}

void Parser::emit(Op op, Where at, std::uint32_t a, std::uint32_t b, std::uint16_t argc) {
    Instruction i;
    i.op = op;
    i.argc = argc;
    i.a = a;
    i.b = b;
    i.line = at.line;
    i.column = at.column;
    target_->code.push_back(i);
}

std::uint32_t Parser::slotOf(std::string_view spelling) {
    auto& names = target_->names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (sameName(names[i], spelling)) return static_cast<std::uint32_t>(i);
    }
    names.push_back(lowerCase(spelling));
    target_->spellings.emplace_back(spelling);
    target_->declared.push_back(0);
    return static_cast<std::uint32_t>(names.size() - 1);
}

std::uint32_t Parser::declare(std::string_view spelling, Where at) {
    std::uint32_t slot = slotOf(spelling);
    if (target_->declared[slot]) fail(VbError::NameRedefined, at);
    target_->declared[slot] = 1;
    return slot;
}

std::uint32_t Parser::memberOf(std::string_view spelling) {
    auto& members = target_->members;
    for (std::size_t i = 0; i < members.size(); ++i) {
        if (members[i] == spelling) return static_cast<std::uint32_t>(i);
    }
    members.emplace_back(spelling);
    return static_cast<std::uint32_t>(members.size() - 1);
}

std::uint32_t Parser::constant(Value value) {
    target_->constants.push_back(std::move(value));
    return static_cast<std::uint32_t>(target_->constants.size() - 1);
}

CompiledText Parser::parse() {
    CompiledText result;
    for (;;) {
        while (is(Kind::Newline) || is(Kind::Colon)) lexer_.advance();
        if (is(Kind::End)) break;
        if (isKeyword(Keyword::Sub)) {
            parseSub(result);
        } else {
            if (!module_) {
                module_ = std::make_shared<Procedure>();
                module_->module = true;
            }
            target_ = module_.get();
            parseStatement();
        }
        expectEndOfStatement();
    }
    if (module_) {
        target_ = module_.get();
        emit(Op::Return, here());
        result.module = std::move(module_);
    }
    return result;
}

void Parser::parseSub(CompiledText& result) {
    lexer_.advance();
    if (!is(Kind::Identifier)) fail(VbError::ExpectedIdentifier);
    Where nameAt = here();
    std::string_view name = lexer_.current().spelling;
    if (Builtins::find(name) >= 0) fail(VbError::NameRedefined, nameAt);
    auto procedure = std::make_shared<Procedure>();
    procedure->name = std::string(name);
    procedure->key = lowerCase(name);
    for (const auto& earlier : result.procedures) {
        if (earlier->key == procedure->key) fail(VbError::NameRedefined, nameAt);
    }
    procedure->code.reserve(16);
    procedure->constants.reserve(8);
    procedure->names.reserve(4);
    procedure->spellings.reserve(4);
    procedure->declared.reserve(4);
    target_ = procedure.get();
    lexer_.advance();
    if (is(Kind::LeftParen)) {
        lexer_.advance();
        if (!is(Kind::RightParen)) {
            for (;;) {
                if (isKeyword(Keyword::ByVal) || isKeyword(Keyword::ByRef)) lexer_.advance();
                if (!is(Kind::Identifier)) fail(VbError::ExpectedIdentifier);
                declare(lexer_.current().spelling, here());
                lexer_.advance();
                if (!is(Kind::Comma)) break;
                lexer_.advance();
            }
        }
        expect(Kind::RightParen, VbError::ExpectedRightParen);
    }
    procedure->parameterCount = static_cast<std::uint32_t>(procedure->names.size());
    expectEndOfStatement();
    for (;;) {
        while (is(Kind::Newline) || is(Kind::Colon)) lexer_.advance();
        if (is(Kind::End)) fail(VbError::ExpectedEnd);
        if (isKeyword(Keyword::End)) {
            Where at = here();
            lexer_.advance();
            if (!isKeyword(Keyword::Sub)) fail(VbError::ExpectedSub);
            lexer_.advance();
            emit(Op::Return, at);
            break;
        }
        parseStatement();
        expectEndOfStatement();
    }
    result.procedures.push_back(std::move(procedure));
}

void Parser::parseStatement() {
    const Token& t = lexer_.current();
    if (t.kind == Kind::Identifier) {
        parseIdentifierStatement();
        return;
    }
    if (t.kind == Kind::Keyword) {
        switch (t.keyword) {
            case Keyword::Call:
                lexer_.advance();
                parseCallStatement();
                return;
            case Keyword::Dim:
                lexer_.advance();
                parseDim();
                return;
            case Keyword::Exit: {
                Where at = here();
                if (target_->module) fail(VbError::InvalidExit);
                lexer_.advance();
                if (!isKeyword(Keyword::Sub)) fail(VbError::ExpectedSub);
                lexer_.advance();
                emit(Op::Return, at);
                return;
            }
            default:
                break;
        }
    }
    fail(VbError::ExpectedStatement);
}

void Parser::parseDim() {
    for (;;) {
        if (!is(Kind::Identifier)) fail(VbError::ExpectedIdentifier);
        std::string_view name = lexer_.current().spelling;
        if (Builtins::find(name) >= 0) fail(VbError::NameRedefined);
        declare(name, here());
        lexer_.advance();
        if (!is(Kind::Comma)) return;
        lexer_.advance();
    }
}

void Parser::parseIdentifierStatement() {
    Where at = here();
    std::string_view name = lexer_.current().spelling;
    int builtin = Builtins::find(name);
    lexer_.advance();
    if (is(Kind::Equal)) {
        if (builtin >= 0) fail(VbError::IllegalAssignment, at);
        std::uint32_t slot = slotOf(name);
        lexer_.advance();
        parseExpression(1);
        emit(Op::Store, at, slot);
        return;
    }
    if (is(Kind::Dot)) {
        lexer_.advance();
        if (!is(Kind::Identifier) && !is(Kind::Keyword)) fail(VbError::ExpectedIdentifier);
        std::uint32_t member = memberOf(lexer_.current().spelling);
        std::uint32_t object = slotOf(name);
        lexer_.advance();
        std::uint16_t argc = parseStatementArguments();
        emit(Op::CallMethod, at, object, member, argc);
        emit(Op::Pop, at);
        return;
    }
    std::uint16_t argc = parseStatementArguments();
    if (builtin >= 0) {
        emit(Op::CallBuiltin, at, static_cast<std::uint32_t>(builtin), 0, argc);
    } else {
        emit(Op::CallName, at, slotOf(name), 0, argc);
    }
    emit(Op::Pop, at);
}

// `Call name`, `Call name(arguments)`, `Call object.method(arguments)`.
void Parser::parseCallStatement() {
    if (!is(Kind::Identifier)) fail(VbError::ExpectedIdentifier);
    Where at = here();
    std::string_view name = lexer_.current().spelling;
    lexer_.advance();
    if (is(Kind::Dot)) {
        lexer_.advance();
        if (!is(Kind::Identifier) && !is(Kind::Keyword)) fail(VbError::ExpectedIdentifier);
        std::uint32_t member = memberOf(lexer_.current().spelling);
        std::uint32_t object = slotOf(name);
        lexer_.advance();
        std::uint16_t argc = is(Kind::LeftParen) ? parseArguments() : 0;
        emit(Op::CallMethod, at, object, member, argc);
    } else {
        std::uint16_t argc = is(Kind::LeftParen) ? parseArguments() : 0;
        int builtin = Builtins::find(name);
        if (builtin >= 0) {
            emit(Op::CallBuiltin, at, static_cast<std::uint32_t>(builtin), 0, argc);
        } else {
            emit(Op::CallName, at, slotOf(name), 0, argc);
        }
    }
    emit(Op::Pop, at);
}

// Arguments of a call statement without Call: a list without parentheses around it, or
// empty parentheses.
std::uint16_t Parser::parseStatementArguments() {
    if (atEndOfStatement()) return 0;
    if (is(Kind::LeftParen) && lexer_.peek().kind == Kind::RightParen) {
        lexer_.advance();
        lexer_.advance();
        return 0;
    }
    return parseExpressionList();
}

// Comma-separated argument expressions; the count is bounded so that a text cannot pile up
// more values than the machine's stack holds.
std::uint16_t Parser::parseExpressionList() {
    std::size_t count = 0;
    for (;;) {
        if (++count > kMaxArguments) fail(VbError::OutOfStackSpace);
        parseExpression(1);
        if (!is(Kind::Comma)) break;
        lexer_.advance();
    }
    return static_cast<std::uint16_t>(count);
}

// A parenthesised argument list, the current token being "(".
std::uint16_t Parser::parseArguments() {
    NestingGuard guard(*this, here());
    lexer_.advance();
    if (is(Kind::RightParen)) {
        lexer_.advance();
        return 0;
    }
    const std::uint16_t count = parseExpressionList();
    expect(Kind::RightParen, VbError::ExpectedRightParen);
    return count;
}

void Parser::parseExpression(int minLevel) {
    parseUnary(minLevel);
    for (;;) {
        BinaryOperator binary = binaryOperator(lexer_.current());
        if (binary.level == 0 || binary.level < minLevel) return;
        Where at = here();
        lexer_.advance();
        // All binary operators associate to the left, "^" included.
        parseExpression(binary.level + 1);
        emit(binary.op, at);
    }
}

void Parser::parseUnary(int minLevel) {
    Where at = here();
    if (isKeyword(Keyword::Not)) {
        NestingGuard guard(*this, at);
        lexer_.advance();
        parseExpression(kNotOperand);
        emit(Op::Not, at);
        return;
    }
    if (is(Kind::Minus) || is(Kind::Plus)) {
        bool negate = is(Kind::Minus);
        NestingGuard guard(*this, at);
        lexer_.advance();
        // Negation binds looser than "^" (-2^2 is -4), but right of a "^" it takes only the
        // next operand, so that "^" keeps associating to the left.
        parseExpression(minLevel > kNegationOperand ? minLevel : kNegationOperand);
        if (negate) emit(Op::Negate, at);
        return;
    }
    parsePrimary();
}

void Parser::parsePrimary() {
    const Token& t = lexer_.current();
    Where at = here();
    switch (t.kind) {
        case Kind::Integer:
            emit(Op::PushConstant, at,
                 constant(Value::integer(static_cast<std::int16_t>(t.number))));
            lexer_.advance();
            return;
        case Kind::Long:
            emit(Op::PushConstant, at,
                 constant(Value::longInteger(static_cast<std::int32_t>(t.number))));
            lexer_.advance();
            return;
        case Kind::Double:
            emit(Op::PushConstant, at, constant(Value::number(t.number)));
            lexer_.advance();
            return;
        case Kind::String:
            emit(Op::PushConstant, at, constant(Value::string(t.text)));
            lexer_.advance();
            return;
        case Kind::Keyword:
            if (t.keyword == Keyword::True || t.keyword == Keyword::False) {
                emit(Op::PushConstant, at, constant(Value::boolean(t.keyword == Keyword::True)));
                lexer_.advance();
                return;
            }
            if (t.keyword == Keyword::Empty) {
                emit(Op::PushConstant, at, constant(Value()));
                lexer_.advance();
                return;
            }
            break;
        case Kind::LeftParen: {
            NestingGuard guard(*this, at);
            lexer_.advance();
            parseExpression(1);
            expect(Kind::RightParen, VbError::ExpectedRightParen);
            return;
        }
        case Kind::Identifier:
            parseName();
            return;
        default:
            break;
    }
    fail(VbError::SyntaxError);
}

// A name in an expression: a variable, a procedure or built-in function (with or without
// an argument list), or an object's method.
void Parser::parseName() {
    Where at = here();
    std::string_view name = lexer_.current().spelling;
    lexer_.advance();
    bool called = false;
    if (is(Kind::Dot)) {
        lexer_.advance();
        if (!is(Kind::Identifier) && !is(Kind::Keyword)) fail(VbError::ExpectedIdentifier);
        std::uint32_t member = memberOf(lexer_.current().spelling);
        std::uint32_t object = slotOf(name);
        lexer_.advance();
        called = is(Kind::LeftParen);
        std::uint16_t argc = called ? parseArguments() : 0;
        emit(Op::CallMethod, at, object, member, argc);
    } else if (int builtin = Builtins::find(name); builtin >= 0) {
        called = is(Kind::LeftParen);
        std::uint16_t argc = called ? parseArguments() : 0;
        emit(Op::CallBuiltin, at, static_cast<std::uint32_t>(builtin), 0, argc);
    } else if (is(Kind::LeftParen)) {
        called = true;
        std::uint16_t argc = parseArguments();
        emit(Op::CallName, at, slotOf(name), 0, argc);
    } else {
        emit(Op::Load, at, slotOf(name));
    }
    // A value cannot be indexed further ("si(1)(1)"); it compiles and fails when run.
    while (called && is(Kind::LeftParen)) {
        Where indexAt = here();
        std::uint16_t argc = parseArguments();
        emit(Op::Index, indexAt, 0, 0, argc);
    }
}

}  // namespace zeto::script
