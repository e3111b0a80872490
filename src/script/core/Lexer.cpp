#include "script/core/Lexer.h"

#include "script/core/ScriptError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

namespace zeto::script {

namespace {

constexpr size_t kMaxIdentifier = 255;

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isNameChar(char c) {
    return isLetter(c) || isDigit(c) || c == '_';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

int digitValue(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

size_t utf8Length(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

Lexer::Lexer(std::string_view text) : text_(text) {
    scan(current_);
}

const Token& Lexer::peek() {
    if (!hasNext_) {
        scan(next_);
        hasNext_ = true;
    }
    return next_;
}

void Lexer::advance() {
    if (hasNext_) {
        std::swap(current_, next_);
        hasNext_ = false;
    } else {
        scan(current_);
    }
}

void Lexer::fail(VbError::Code code, int line, int column) const {
    throw ScriptError(code, VbError::describe(code), line, column);
}

void Lexer::skipToLineEnd() {
    while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
}

void Lexer::scan(Token& token) {
    using K = Token::Kind;
    token.keyword = Keyword::None;
    for (;;) {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        char c = at(pos_);
        if (c == '\'') {
            skipToLineEnd();
            continue;
        }
        if (c == '_') {
            // A line continuation: the underscore, blanks, then the line break.
            size_t p = pos_ + 1;
            while (p < text_.size() && isBlank(text_[p])) ++p;
            if (at(p) == '\r' || at(p) == '\n') {
                p += (at(p) == '\r' && at(p + 1) == '\n') ? 2 : 1;
                pos_ = p;
                lineStart_ = p;
                ++line_;
                continue;
            }
        }
        break;
    }
    token.line = line_;
    token.column = columnOf(pos_);
    if (pos_ >= text_.size()) {
        token.kind = K::End;
        return;
    }
    char c = text_[pos_];
    if (c == '\r' || c == '\n') {
        pos_ += (c == '\r' && at(pos_ + 1) == '\n') ? 2 : 1;
        lineStart_ = pos_;
        ++line_;
        token.kind = K::Newline;
        return;
    }
    if (isLetter(c)) {
        size_t start = pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
        if (pos_ - start > kMaxIdentifier)
            fail(VbError::IdentifierTooLong, token.line, token.column);
        token.spelling = text_.substr(start, pos_ - start);
        token.keyword = keywordOf(token.spelling);
        if (token.keyword == Keyword::Rem) {
            skipToLineEnd();
            scan(token);
            return;
        }
        token.kind = token.keyword == Keyword::None ? K::Identifier : K::Keyword;
        return;
    }
    if (isDigit(c) || (c == '.' && isDigit(at(pos_ + 1)) &&
                       !(pos_ > 0 && (isNameChar(text_[pos_ - 1]) || text_[pos_ - 1] == ')')))) {
        scanNumber(token);
        return;
    }
    if (c == '"') {
        scanString(token);
        return;
    }
    ++pos_;
    switch (c) {
        case ':':
            token.kind = K::Colon;
            return;
        case '+':
            token.kind = K::Plus;
            return;
        case '-':
            token.kind = K::Minus;
            return;
        case '*':
            token.kind = K::Star;
            return;
        case '/':
            token.kind = K::Slash;
            return;
        case '\\':
            token.kind = K::Backslash;
            return;
        case '^':
            token.kind = K::Caret;
            return;
        case '(':
            token.kind = K::LeftParen;
            return;
        case ')':
            token.kind = K::RightParen;
            return;
        case ',':
            token.kind = K::Comma;
            return;
        case '.':
            token.kind = K::Dot;
            return;
        case '=':
            token.kind = K::Equal;
            return;
        case '<':
            if (at(pos_) == '>') {
                ++pos_;
                token.kind = K::NotEqual;
            } else if (at(pos_) == '=') {
                ++pos_;
                token.kind = K::LessEqual;
            } else {
                token.kind = K::Less;
            }
            return;
        case '>':
            if (at(pos_) == '=') {
                ++pos_;
                token.kind = K::GreaterEqual;
            } else {
                token.kind = K::Greater;
            }
            return;
        case '&': {
            char kind = static_cast<char>(at(pos_) | 0x20);
            if (kind == 'h' && digitValue(at(pos_ + 1)) < 16) {
                ++pos_;
                scanRadix(token, 16);
                return;
            }
            if (kind == 'o' && digitValue(at(pos_ + 1)) < 8) {
                ++pos_;
                scanRadix(token, 8);
                return;
            }
            token.kind = K::Ampersand;
            return;
        }
        default:
            break;
    }
    fail(VbError::InvalidCharacter, token.line, token.column);
}

void Lexer::scanNumber(Token& token) {
    size_t start = pos_;
    bool whole = true;
    while (isDigit(at(pos_))) ++pos_;
    if (at(pos_) == '.') {
        whole = false;
        ++pos_;
        while (isDigit(at(pos_))) ++pos_;
    }
    if ((at(pos_) | 0x20) == 'e') {
        size_t p = pos_ + 1;
        if (at(p) == '+' || at(p) == '-') ++p;
        if (isDigit(at(p))) {
            whole = false;
            while (isDigit(at(p))) ++p;
            pos_ = p;
        }
    }
    const char* first = text_.data() + start;
    const char* last = text_.data() + pos_;
    double value = 0;
    auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Out of range either way: too large is an error, too small an ordinary tiny number.
        value = std::strtod(std::string(first, last).c_str(), nullptr);
    }
    if (result.ec == std::errc::invalid_argument || !std::isfinite(value)) {
        fail(VbError::InvalidNumber, token.line, token.column);
    }
    token.number = value;
    if (whole && value <= 32767) {
        token.kind = Token::Kind::Integer;
    } else if (whole && value <= 2147483647.0) {
        token.kind = Token::Kind::Long;
    } else {
        token.kind = Token::Kind::Double;
    }
}

void Lexer::scanRadix(Token& token, int radix) {
    std::uint64_t value = 0;
    while (digitValue(at(pos_)) < radix) {
        value = value * radix + digitValue(at(pos_));
        ++pos_;
        if (value > 0xFFFFFFFFull) fail(VbError::InvalidNumber, token.line, token.column);
    }
    // Four hex digits make an Integer and eight a Long, both read as two's complement.
    if (value <= 0xFFFF) {
        token.kind = Token::Kind::Integer;
        token.number = static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    } else {
        token.kind = Token::Kind::Long;
        token.number = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
}

void Lexer::scanString(Token& token) {
    token.kind = Token::Kind::String;
    token.text.clear();
    ++pos_;
    for (;;) {
        if (pos_ >= text_.size() || text_[pos_] == '\r' || text_[pos_] == '\n') {
            fail(VbError::UnterminatedString, token.line, token.column);
        }
        char c = text_[pos_++];
        if (c == '"') {
            if (at(pos_) != '"') return;
            ++pos_;
        }
        token.text += c;
    }
}

size_t Lexer::tokenLength(std::string_view text, size_t offset) {
    auto at = [&](size_t p) { return p < text.size() ? text[p] : '\0'; };
    size_t p = offset;
    const char c = at(p);
    if (p >= text.size()) return 0;
    if (isLetter(c)) {
        while (isNameChar(at(p))) ++p;
    } else if (isDigit(c) || (c == '.' && isDigit(at(p + 1)) &&
                              !(p > 0 && (isNameChar(text[p - 1]) || text[p - 1] == ')')))) {
        while (isDigit(at(p))) ++p;
        if (at(p) == '.') ++p;
        while (isDigit(at(p))) ++p;
        if ((at(p) | 0x20) == 'e') {
            size_t q = p + 1;
            if (at(q) == '+' || at(q) == '-') ++q;
            if (isDigit(at(q))) {
                while (isDigit(at(q))) ++q;
                p = q;
            }
        }
    } else if (c == '"') {
        ++p;
        while (p < text.size() && text[p] != '\r' && text[p] != '\n') {
            if (text[p++] != '"') continue;
            if (at(p) != '"') break;
            ++p;
        }
    } else if (c == '&' && (((at(p + 1) | 0x20) == 'h' && digitValue(at(p + 2)) < 16) ||
                            ((at(p + 1) | 0x20) == 'o' && digitValue(at(p + 2)) < 8))) {
        const int radix = (at(p + 1) | 0x20) == 'h' ? 16 : 8;
        p += 2;
        while (digitValue(at(p)) < radix) ++p;
    } else if ((c == '<' && (at(p + 1) == '>' || at(p + 1) == '=')) ||
               (c == '>' && at(p + 1) == '=')) {
        p += 2;
    } else {
        p += utf8Length(static_cast<unsigned char>(c));
    }
    return std::min(p, text.size()) - offset;
}

}  // namespace zeto::script
