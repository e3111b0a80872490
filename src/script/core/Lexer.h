#pragma once

#include "platform/core/VbError.h"
#include "script/core/Token.h"

#include <string_view>

namespace zeto::script {

// Splits a procedure text into tokens on demand, one token of look-ahead. Comments and line
// continuations are skipped here; any character the language does not know raises a
// ScriptError with its position.
class Lexer {
  public:
    explicit Lexer(std::string_view text);

    const Token& current() const { return current_; }
    // The token after the current one.
    const Token& peek();
    void advance();

    // The length in bytes of the token starting at byte `offset` of `text`, read as scan()
    // reads it, so that an error's position can be widened to the whole token. A character
    // the language does not know counts with all bytes of its UTF-8 form; an unterminated
    // string runs to the end of its line.
    static size_t tokenLength(std::string_view text, size_t offset);

  private:
    void scan(Token& token);
    void scanNumber(Token& token);
    void scanRadix(Token& token, int radix);
    void scanString(Token& token);
    void skipToLineEnd();
    [[noreturn]] void fail(VbError::Code code, int line, int column) const;
    char at(size_t p) const { return p < text_.size() ? text_[p] : '\0'; }
    int columnOf(size_t p) const { return static_cast<int>(p - lineStart_) + 1; }

    std::string_view text_;
    size_t pos_ = 0;
    size_t lineStart_ = 0;
    int line_ = 1;
    Token current_;
    Token next_;
    bool hasNext_ = false;
};

}  // namespace zeto::script
