#include "script/core/TextbookScanner.h"

#include "script/core/Keyword.h"

namespace zeto::script {

namespace {

constexpr char32_t kPi = 0x03C0;
constexpr char32_t kRoot = 0x221A;
constexpr char32_t kSquare = 0x00B2;
constexpr char32_t kCube = 0x00B3;

char32_t asciiCounterpart(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFEE0;
    switch (c) {
        case 0x3000:  // ideographic space
            return ' ';
        case 0x2212:  // minus sign
            return '-';
        case 0x00D7:  // ×
            return '*';
        case 0x00F7:  // ÷
            return '/';
        default:
            return c;
    }
}

bool isLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool isNameChar(char32_t c) {
    return isLetter(c) || isDigit(c) || c == '_';
}
bool isBreak(char32_t c) {
    return c == '\r' || c == '\n';
}

int digitValue(char32_t c) {
    if (isDigit(c)) return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
    return 99;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

TextbookScanner::TextbookScanner(const QString& userText) {
    characters_.reserve(static_cast<std::size_t>(userText.size()));
    for (int i = 0; i < userText.size();) {
        const QChar unit = userText[i];
        char32_t c = unit.unicode();
        int length = 1;
        if (unit.isHighSurrogate() && i + 1 < userText.size() && userText[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, userText[i + 1]);
            length = 2;
        } else if (unit.isSurrogate()) {
            c = 0xFFFD;
        }
        characters_.push_back({c, asciiCounterpart(c), {i, length}});
        i += length;
    }

    using K = TextbookToken::Kind;
    const int count = static_cast<int>(characters_.size());
    for (int i = 0; i < count;) {
        const char32_t c = read(i);
        int end = i + 1;
        if (c == ' ' || c == '\t') {
            while (read(end) == ' ' || read(end) == '\t') ++end;
            add(K::Blank, i, end);
        } else if (isBreak(c)) {
            if (c == '\r' && read(end) == '\n') ++end;
            add(K::Break, i, end);
        } else if (isLetter(c)) {
            end = scanName(i);
        } else if (isDigit(c) || (c == '.' && isDigit(read(i + 1)) &&
                                  !(i > 0 && (isNameChar(read(i - 1)) || read(i - 1) == ')')))) {
            end = scanNumber(i);
            add(K::Number, i, end);
        } else if (c == '&' && scanRadix(i) > end) {
            end = scanRadix(i);
            add(K::Number, i, end);
        } else if (c == '"') {
            end = scanString(i);
            add(K::Text, i, end, i + 1);
        } else if (c == '\'') {
            end = lineEnd(i);
            add(K::Text, i, end, i + 1);
        } else {
            K kind = K::Symbol;
            if (c == '(') kind = K::Open;
            if (c == ')') kind = K::Close;
            if (c == kPi) kind = K::Pi;
            if (c == kRoot) kind = K::Root;
            if (c == kSquare) kind = K::Square;
            if (c == kCube) kind = K::Cube;
            end = i + 1;
            add(kind, i, end);
        }
        i = end;
    }
}

char32_t TextbookScanner::read(int index) const {
    return index >= 0 && index < static_cast<int>(characters_.size())
               ? characters_[static_cast<std::size_t>(index)].read
               : U'\0';
}

int TextbookScanner::lineEnd(int index) const {
    const int count = static_cast<int>(characters_.size());
    while (index < count && !isBreak(characters_[static_cast<std::size_t>(index)].typed)) ++index;
    return index;
}

// A name, or a Rem comment running to the end of the line.
int TextbookScanner::scanName(int index) {
    int end = index;
    std::string spelling;
    while (isNameChar(read(end))) spelling += static_cast<char>(read(end++));
    if (keywordOf(spelling) == Keyword::Rem) {
        const int commentEnd = lineEnd(end);
        add(TextbookToken::Kind::Text, index, commentEnd, end);
        return commentEnd;
    }
    add(TextbookToken::Kind::Name, index, end);
    return end;
}

// Digits, a decimal point and digits, and an exponent only when digits follow its sign:
// "2E3" is a number, "2e" a number and a name.
int TextbookScanner::scanNumber(int index) const {
    int end = index;
    while (isDigit(read(end))) ++end;
    if (read(end) == '.') {
        ++end;
        while (isDigit(read(end))) ++end;
    }
    if ((read(end) | 0x20) == 'e') {
        int p = end + 1;
        if (read(p) == '+' || read(p) == '-') ++p;
        if (isDigit(read(p))) {
            while (isDigit(read(p))) ++p;
            end = p;
        }
    }
    return end;
}

// "&H" or "&O" with at least one digit of its base; otherwise just the "&".
int TextbookScanner::scanRadix(int index) const {
    const char32_t kind = read(index + 1) | 0x20;
    const int radix = kind == 'h' ? 16 : kind == 'o' ? 8 : 0;
    int end = index + 2;
    if (radix == 0 || digitValue(read(end)) >= radix) return index + 1;
    while (digitValue(read(end)) < radix) ++end;
    return end;
}

// Up to the closing quote ("" stands for a quote inside), or to the end of the line when it
// is missing. Only an ASCII quote closes: what is inside stays as typed.
int TextbookScanner::scanString(int index) const {
    const int count = static_cast<int>(characters_.size());
    int end = index + 1;
    while (end < count && !isBreak(characters_[static_cast<std::size_t>(end)].typed)) {
        if (characters_[static_cast<std::size_t>(end++)].typed != '"') continue;
        if (end < count && characters_[static_cast<std::size_t>(end)].typed == '"') {
            ++end;
        } else {
            break;
        }
    }
    return end;
}

void TextbookScanner::add(TextbookToken::Kind kind, int first, int last, int typedFrom) {
    TextbookToken token{kind, {}, {}};
    for (int i = first; i < last; ++i) {
        const Character& c = characters_[static_cast<std::size_t>(i)];
        appendUtf8(token.text, typedFrom >= 0 && i >= typedFrom ? c.typed : c.read);
        token.origins.resize(token.text.size(), c.span);
    }
    tokens_.push_back(std::move(token));
}

}  // namespace zeto::script
