#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace zeto::script {

// The procedure texts the program hands to the engine. Lines are joined by CR LF and the
// last line ("End Sub") has no line break. The formula substitutions work letter by letter
// over the whole formula, names included: the n in "sin" is replaced like any other.
class ProcedureText {
  public:
    ProcedureText() = delete;

    // "Sub eq()" computing the calculator's expression, passed to OBJsc.SS.
    static std::string calculator(std::string_view expression);
    // "Sub fc()" computing term k of a sequence formula in n, passed to OBJsc.sl.
    static std::string sequenceTerm(std::string_view formula, double k);
    // The same passed to OBJsc.slsum.
    static std::string sequenceSum(std::string_view formula, double k);
    // "Sub fc()" computing a function formula in x at x (single precision) and at x + 0.01
    // (double precision), passed to OBJsc.fcf.
    static std::string functionSample(std::string_view formula, float x);

    // Every letter `letter` or its capital in `formula` replaced by "(" + text + ")".
    static std::string substitute(std::string_view formula, char letter, std::string_view text);

    // Literal texts pick the UTF-8 forms.
    static std::string calculator(const char* expression) {
        return calculator(std::string_view(expression));
    }
    static std::string sequenceTerm(const char* formula, double k) {
        return sequenceTerm(std::string_view(formula), k);
    }
    static std::string sequenceSum(const char* formula, double k) {
        return sequenceSum(std::string_view(formula), k);
    }
    static std::string functionSample(const char* formula, float x) {
        return functionSample(std::string_view(formula), x);
    }

    static QString calculator(const QString& expression);
    static QString sequenceTerm(const QString& formula, double k);
    static QString sequenceSum(const QString& formula, double k);
    static QString functionSample(const QString& formula, float x);
};

}  // namespace zeto::script
