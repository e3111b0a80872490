#pragma once

#include "script/core/CompiledText.h"
#include "script/core/Lexer.h"

#include <cstdint>
#include <string_view>

namespace zeto::script {

// Compiles a procedure text into stack code in one pass (recursive descent, operator
// precedence by climbing). Any text it cannot compile raises a ScriptError with the
// position of the offending token; nesting deeper than a fixed bound is refused, so no
// text can exhaust the native stack.
class Parser {
  public:
    explicit Parser(std::string_view text);
    CompiledText parse();

  private:
    using Op = Instruction::Op;
    using Kind = Token::Kind;
    struct Where {
        std::uint32_t line;
        std::uint32_t column;
    };

    void parseSub(CompiledText& result);
    void parseStatement();
    void parseIdentifierStatement();
    void parseCallStatement();
    void parseDim();
    std::uint16_t parseStatementArguments();
    std::uint16_t parseArguments();
    std::uint16_t parseExpressionList();
    void parseExpression(int minLevel);
    void parseUnary(int minLevel);
    void parsePrimary();
    void parseName();
    void expectEndOfStatement();
    bool atEndOfStatement() const;

    std::uint32_t slotOf(std::string_view spelling);
    std::uint32_t declare(std::string_view spelling, Where at);
    std::uint32_t memberOf(std::string_view spelling);
    std::uint32_t constant(Value value);
    void emit(Op op, Where at, std::uint32_t a = 0, std::uint32_t b = 0, std::uint16_t argc = 0);
    Where here() const;
    bool isKeyword(Keyword keyword) const;
    bool is(Kind kind) const { return lexer_.current().kind == kind; }
    void expect(Kind kind, VbError::Code code);
    [[noreturn]] void fail(VbError::Code code, Where at) const;
    [[noreturn]] void fail(VbError::Code code) const;

    Lexer lexer_;
    Procedure* target_ = nullptr;
    std::shared_ptr<Procedure> module_;
    int nesting_ = 0;

    friend class NestingGuard;
};

}  // namespace zeto::script
