#include "script/core/TextbookNotation.h"

#include "script/core/Keyword.h"

#include <algorithm>

namespace zeto::script {

namespace {

using Kind = TextbookToken::Kind;

// Enough digits to give the double nearest to pi.
constexpr std::string_view kPi = "3.141592653589793";
// lg(a) is written (log(a)/log(10)), bracketed so that it keeps its place among operators.
constexpr std::string_view kLgHead = "(log";
constexpr std::string_view kLgTail = "/log(10))";

// Characters that run together into one token when written side by side.
bool mergeable(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.';
}

std::string lowerCase(std::string_view word) {
    std::string out(word);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return out;
}

}  // namespace

RewrittenFormula TextbookNotation::rewrite(const QString& userText,
                                           const std::vector<std::string>& variables) {
    TextbookNotation notation(userText, variables);
    for (int i = 0; i < notation.count(); ++i) {
        notation.rewriteToken(i);
        notation.close(i);
    }
    return std::move(notation.out_);
}

TextbookNotation::TextbookNotation(const QString& userText,
                                   const std::vector<std::string>& variables)
    : scanner_(userText) {
    for (const std::string& v : variables) variables_.push_back(lowerCase(v));
    matches_.assign(static_cast<std::size_t>(count()), -1);
    closers_.resize(static_cast<std::size_t>(count()));
    std::vector<int> open;
    for (int i = 0; i < count(); ++i) {
        const TextbookToken& t = token(i);
        if (t.kind == Kind::Open) open.push_back(i);
        if (t.kind == Kind::Close && !open.empty()) {
            matches_[static_cast<std::size_t>(open.back())] = i;
            open.pop_back();
        }
    }
}

void TextbookNotation::rewriteToken(int index) {
    const TextbookToken& t = token(index);
    switch (t.kind) {
        case Kind::Blank:
            putToken(t);
            return;
        case Kind::Number:
            multiplyBefore(Opening::Number, t);
            putToken(t);
            ending_ = Ending::TypedNumber;
            return;
        case Kind::Open:
            multiplyBefore(Opening::Open, t);
            putToken(t);
            ending_ = Ending::Other;
            return;
        case Kind::Close:
            putToken(t);
            ending_ = Ending::Close;
            return;
        case Kind::Square:
        case Kind::Cube:
            put(t.kind == Kind::Square ? "^2" : "^3", t.span(), true);
            ending_ = Ending::MadeNumber;
            return;
        case Kind::Pi:
            rewritePi(t);
            return;
        case Kind::Root:
            rewriteRoot(index);
            return;
        case Kind::Name:
            rewriteName(index);
            return;
        default:
            putToken(t);
            ending_ = Ending::Other;
            return;
    }
}

void TextbookNotation::rewriteName(int index) {
    const TextbookToken& t = token(index);
    const std::string word = lowerCase(t.text);
    // Keywords are operators (Mod, And...), values or statements: never a factor.
    if (keywordOf(word) != Keyword::None || !isPlainName(index)) {
        putToken(t);
        ending_ = keywordOf(word) != Keyword::None ? Ending::Other : Ending::Name;
        return;
    }
    if (word == "pi") {
        rewritePi(t);
        return;
    }
    multiplyBefore(Opening::Name, t);
    ending_ = Ending::Name;
    if (word == "ln") {
        put("log", t.span(), true);
    } else if (word == "sqrt") {
        put("sqr", t.span(), true);
    } else if (const int open = significantAfter(index);
               word == "lg" && open >= 0 && matches_[static_cast<std::size_t>(open)] >= 0) {
        put(kLgHead, t.span(), true);
        closers_[static_cast<std::size_t>(matches_[static_cast<std::size_t>(open)])].push_back(
            {kLgTail, t.span()});
    } else {
        if (word.size() == 1 &&
            std::find(out_.letters.begin(), out_.letters.end(), word) == out_.letters.end()) {
            out_.letters.push_back(word);
        }
        putToken(t);
        // A name before a bracket stays a call, even a one-letter one: "f(2)" is no product;
        // the variable is a number, and "x(x+1)" one.
        if (std::find(variables_.begin(), variables_.end(), word) != variables_.end())
            ending_ = Ending::Variable;
    }
}

void TextbookNotation::rewritePi(const TextbookToken& token) {
    multiplyBefore(Opening::Pi, token);
    put(kPi, token.span(), true);
    ending_ = Ending::MadeNumber;
}

void TextbookNotation::rewriteRoot(int index) {
    const TextbookToken& t = token(index);
    multiplyBefore(Opening::Root, t);
    const int next = significantAfter(index);
    const int last = operandLast(next);
    ending_ = Ending::Name;
    if (last < 0 || token(next).kind == Kind::Open) {
        // A bracket is the argument list already; without an operand the engine reports
        // the missing argument at the root sign.
        put("sqr", t.span(), true);
        return;
    }
    put("sqr(", t.span(), true);
    const SourceSpan operand = token(last).span();
    closers_[static_cast<std::size_t>(last)].push_back({")", {operand.start + operand.length, 0}});
    ending_ = Ending::Other;
}

// Owed text comes innermost first: what was owed last goes out first.
void TextbookNotation::close(int index) {
    const std::vector<Closer>& owed = closers_[static_cast<std::size_t>(index)];
    for (auto c = owed.rbegin(); c != owed.rend(); ++c) {
        put(c->text, c->origin, false);
        ending_ = Ending::Close;
    }
}

void TextbookNotation::multiplyBefore(Opening next, const TextbookToken& token) {
    bool needed = false;
    switch (ending_) {
        case Ending::TypedNumber:
            // "2 3" stays two numbers, an error as it was.
            needed = next != Opening::Other && next != Opening::Number;
            break;
        case Ending::MadeNumber:
        case Ending::Close:
            needed = next != Opening::Other;
            break;
        case Ending::Name:
            needed = next == Opening::Pi || next == Opening::Root;
            break;
        case Ending::Variable:
            needed = next == Opening::Open || next == Opening::Pi || next == Opening::Root;
            break;
        case Ending::Other:
            break;
    }
    if (!needed) return;
    put("*", {token.span().start, 0}, false);
}

void TextbookNotation::put(std::string_view text, SourceSpan origin, bool replacement) {
    // What was written in place of the user's text must not run together with what stands
    // beside it ("Mod" and the digits of pi would make one name).
    if (replacement || lastReplaced_) separateBefore(text.front(), origin.start);
    out_.text += text;
    out_.origins.resize(out_.text.size(), origin);
    lastReplaced_ = replacement;
}

void TextbookNotation::putToken(const TextbookToken& token) {
    if (lastReplaced_) separateBefore(token.text.front(), token.span().start);
    out_.text += token.text;
    out_.origins.insert(out_.origins.end(), token.origins.begin(), token.origins.end());
    lastReplaced_ = false;
}

void TextbookNotation::separateBefore(char first, int at) {
    if (out_.text.empty() || !mergeable(out_.text.back()) || !mergeable(first)) return;
    out_.text += ' ';
    out_.origins.push_back({at, 0});
}

int TextbookNotation::significantAfter(int index) const {
    for (int i = index + 1; i < count(); ++i) {
        if (token(i).kind != Kind::Blank) return i;
    }
    return -1;
}

// The last token of the operand starting at `index`: a number, pi, a name with its argument
// list if it has one, a bracket, or a root of any of these. -1 when there is none.
int TextbookNotation::operandLast(int index) const {
    while (index >= 0 && token(index).kind == Kind::Root) index = significantAfter(index);
    if (index < 0) return -1;
    const TextbookToken& t = token(index);
    switch (t.kind) {
        case Kind::Number:
        case Kind::Pi:
            return index;
        case Kind::Open:
            return matches_[static_cast<std::size_t>(index)];
        case Kind::Name: {
            if (keywordOf(t.text) != Keyword::None) return -1;
            const int open = significantAfter(index);
            if (open < 0 || std::find(variables_.begin(), variables_.end(), lowerCase(t.text)) !=
                                variables_.end())
                return index;
            const int close = matches_[static_cast<std::size_t>(open)];
            return close >= 0 ? close : index;
        }
        default:
            return -1;
    }
}

// A name that stands for a value or a call: not a member after ".", not the name a Sub, Call
// or Dim statement declares or calls.
bool TextbookNotation::isPlainName(int index) const {
    for (int i = index - 1; i >= 0; --i) {
        const TextbookToken& t = token(i);
        if (t.kind == Kind::Blank) continue;
        if (t.kind == Kind::Symbol) return t.text != ".";
        if (t.kind != Kind::Name) return true;
        const Keyword keyword = keywordOf(t.text);
        return keyword != Keyword::Sub && keyword != Keyword::Call && keyword != Keyword::Dim;
    }
    return true;
}

}  // namespace zeto::script
