#pragma once

#include "script/core/RewrittenFormula.h"
#include "script/core/TextbookScanner.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace zeto::script {

// Rewrites what a student writes in the exercise book into the engine's language, so that the
// formula fields accept it while the engine itself stays as it is:
// - implicit multiplication after a number or a closing bracket ("2x", "3(x+1)", "(x+1)(x-1)",
//   "2sin(x)", "2π", "2√3") and between the formula's variable and a bracket ("x(x+1)"); it
//   binds as "*" does, so "1/2x" is 1/2*x, as on most calculators;
// - π and pi for pi, √ and sqrt for the square root of the operand right after it (a number,
//   a name, a name with its argument list, or a bracket), ln and lg for the natural and the
//   common logarithm, ² and ³ for the powers, × and ÷;
// - the full-width forms a Chinese input method types.
// What the engine accepts otherwise keeps its meaning: Log stays natural, "2E3" a number,
// "&H1F" hexadecimal, "x2" a name, "2 mod 3" a Mod; strings and comments are copied as typed.
// A "*" goes in only where the engine would reject the text without it.
class TextbookNotation {
  public:
    // `variables` are the names the formula is evaluated in (any letter case): a variable is a
    // number, so a bracket after it multiplies, where after any other name it is a call.
    static RewrittenFormula rewrite(const QString& userText,
                                    const std::vector<std::string>& variables = {});

  private:
    // How the text written so far ends and how the next token starts, as far as implicit
    // multiplication is concerned.
    enum class Ending { Other, TypedNumber, MadeNumber, Close, Name, Variable };
    enum class Opening { Other, Number, Name, Open, Pi, Root };
    // Text owed after a token: the bracket closing a root's operand, the rest of lg.
    struct Closer {
        std::string_view text;
        SourceSpan origin;
    };

    TextbookNotation(const QString& userText, const std::vector<std::string>& variables);

    void rewriteToken(int index);
    void rewriteName(int index);
    void rewritePi(const TextbookToken& token);
    void rewriteRoot(int index);
    void close(int index);

    void multiplyBefore(Opening next, const TextbookToken& token);
    void put(std::string_view text, SourceSpan origin, bool replacement);
    void putToken(const TextbookToken& token);
    void separateBefore(char first, int at);

    int significantAfter(int index) const;
    int operandLast(int index) const;
    bool isPlainName(int index) const;
    const TextbookToken& token(int index) const {
        return scanner_.tokens()[static_cast<std::size_t>(index)];
    }
    int count() const { return static_cast<int>(scanner_.tokens().size()); }

    TextbookScanner scanner_;
    // For each opening bracket the index of its closing one, -1 when it has none.
    std::vector<int> matches_;
    std::vector<std::vector<Closer>> closers_;
    // The formula's variables, lower case.
    std::vector<std::string> variables_;
    RewrittenFormula out_;
    Ending ending_ = Ending::Other;
    bool lastReplaced_ = false;
};

}  // namespace zeto::script
