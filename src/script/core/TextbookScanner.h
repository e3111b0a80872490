#pragma once

#include "script/core/RewrittenFormula.h"

#include <QString>

#include <string>
#include <vector>

namespace zeto::script {

// One piece of a formula as the user typed it.
struct TextbookToken {
    enum class Kind {
        Blank,
        Break,   // a line break
        Number,  // a decimal or &H / &O literal, read as the engine reads it
        Name,    // a name or keyword
        Text,    // a string literal or a comment, copied as typed
        Open,
        Close,
        Pi,      // π
        Root,    // √
        Square,  // ²
        Cube,    // ³
        Symbol,  // any other character, one at a time
    };

    Kind kind;
    // What it stands for in the engine's text, UTF-8: the characters with the full-width forms
    // made ASCII, except inside strings and comments, which stay as typed.
    std::string text;
    // One per byte of text: the character of the user's text it came from.
    std::vector<SourceSpan> origins;

    // The whole stretch of the user's text it spans.
    SourceSpan span() const {
        return {origins.front().start,
                origins.back().start + origins.back().length - origins.front().start};
    }
};

// Splits a formula the user typed into tokens on the engine's lexical rules, plus the signs
// of textbook notation. Full-width ASCII forms (U+FF01..U+FF5E, as a Chinese input method
// types brackets and commas), the ideographic space, the minus sign U+2212 and × ÷ count as
// their ASCII counterparts.
class TextbookScanner {
  public:
    explicit TextbookScanner(const QString& userText);

    const std::vector<TextbookToken>& tokens() const { return tokens_; }

  private:
    // One character (code point) of the user's text.
    struct Character {
        char32_t typed;
        char32_t read;  // the ASCII counterpart, or the character itself
        SourceSpan span;
    };

    char32_t read(int index) const;
    int scanName(int index);
    int scanNumber(int index) const;
    int scanRadix(int index) const;
    int scanString(int index) const;
    int lineEnd(int index) const;
    void add(TextbookToken::Kind kind, int first, int last, int typedFrom = -1);

    std::vector<Character> characters_;
    std::vector<TextbookToken> tokens_;
};

}  // namespace zeto::script
