#include "script/core/ProcedureText.h"

#include "platform/core/NumberText.h"

#include <cctype>

namespace zeto::script {

namespace {

constexpr std::string_view kBreak = "\r\n";

std::string sequenceText(std::string_view formula, double k, std::string_view callback) {
    std::string text = "Sub fc()";
    text += kBreak;
    text += "Z=";
    text += ProcedureText::substitute(formula, 'n', formatNumber(k));
    text += kBreak;
    text += "call OBJsc.";
    text += callback;
    text += "(Z)";
    text += kBreak;
    text += "End Sub";
    return text;
}

std::string utf8(const QString& s) {
    return s.toStdString();
}
QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

std::string ProcedureText::substitute(std::string_view formula, char letter,
                                      std::string_view text) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    std::string out;
    out.reserve(formula.size() + 4 * (text.size() + 2));
    for (char c : formula) {
        if (c == lower || c == upper) {
            out += '(';
            out += text;
            out += ')';
        } else {
            out += c;
        }
    }
    return out;
}

std::string ProcedureText::calculator(std::string_view expression) {
    std::string text = "Sub eq()";
    text += kBreak;
    text += "Z=";
    text += expression;
    text += kBreak;
    text += "call OBJsc.SS(Z)";
    text += kBreak;
    text += "End Sub";
    return text;
}

std::string ProcedureText::sequenceTerm(std::string_view formula, double k) {
    return sequenceText(formula, k, "sl");
}

std::string ProcedureText::sequenceSum(std::string_view formula, double k) {
    return sequenceText(formula, k, "slsum");
}

std::string ProcedureText::functionSample(std::string_view formula, float x) {
    std::string text = "Sub fc()";
    text += kBreak;
    text += "Z=";
    text += substitute(formula, 'x', formatSingle(x));
    text += kBreak;
    text += "Z1=";
    text += substitute(formula, 'x', formatNumber(static_cast<double>(x) + 0.01));
    text += kBreak;
    text += "call OBJsc.fcf(Z,Z1)";
    text += kBreak;
    text += "End Sub";
    return text;
}

QString ProcedureText::calculator(const QString& expression) {
    return fromUtf8(calculator(utf8(expression)));
}

QString ProcedureText::sequenceTerm(const QString& formula, double k) {
    return fromUtf8(sequenceTerm(utf8(formula), k));
}

QString ProcedureText::sequenceSum(const QString& formula, double k) {
    return fromUtf8(sequenceSum(utf8(formula), k));
}

QString ProcedureText::functionSample(const QString& formula, float x) {
    return fromUtf8(functionSample(utf8(formula), x));
}

}  // namespace zeto::script
