#include "plane/core/EquationText.h"

#include "platform/core/NumberText.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace zeto {
namespace {

const QChar kMinus(0x2212);

QString magnitude(double v) {
    return numberText(std::fabs(v));
}

QString signedNumber(double v) {
    return v < 0 ? kMinus + magnitude(v) : magnitude(v);
}

// c₁v₁ + c₂v₂ + ...: a coefficient of 1 before a variable and terms of 0 are left out, and a
// negative coefficient turns the sign before its term. Nothing left is "0".
QString termSum(std::initializer_list<std::pair<double, const char*>> terms) {
    QString text;
    for (const auto& [coefficient, variable] : terms) {
        if (coefficient == 0) continue;
        const QString name = QString::fromUtf8(variable);
        const QString size =
            std::fabs(coefficient) == 1 && !name.isEmpty() ? QString() : magnitude(coefficient);
        if (text.isEmpty())
            text = (coefficient < 0 ? QString(kMinus) : QString()) + size + name;
        else
            text += (coefficient < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) + size + name;
    }
    return text.isEmpty() ? QStringLiteral("0") : text;
}

// Digits and signs raised or lowered; anything else as it is.
QString shifted(const QString& text, const char16_t* digits, QChar minus) {
    QString result;
    for (const QChar c : text) {
        if (c.isDigit())
            result += QChar(digits[c.digitValue()]);
        else if (c == QLatin1Char('-'))
            result += minus;
        else
            result += c;
    }
    return result;
}

QString subscript(const QString& text) {
    return shifted(text, u"₀₁₂₃₄₅₆₇₈₉", QChar(0x208B));
}

QString superscript(const QString& text) {
    return shifted(text, u"⁰¹²³⁴⁵⁶⁷⁸⁹", QChar(0x207B));
}

// (x + a)², or x² for a = 0.
QString shiftedSquare(const char* variable, double shift) {
    const QString name = QString::fromUtf8(variable);
    if (shift == 0) return name + QStringLiteral("²");
    return QLatin1Char('(') + name + (shift < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) +
           magnitude(shift) + QStringLiteral(")²");
}

// x²/a², or x² for a² = 1.
QString squareOver(const char* variable, double semiAxis) {
    const double square = semiAxis * semiAxis;
    const QString term = QString::fromUtf8(variable) + QStringLiteral("²");
    return square == 1 ? term : term + QLatin1Char('/') + numberText(square);
}

QString wave(const char* name, const std::array<double, 3>& c) {
    if (c[0] == 0) return QStringLiteral("0");
    const QString amplitude = c[0] == 1    ? QString()
                              : c[0] == -1 ? QString(kMinus)
                                           : signedNumber(c[0]);
    const QString argument = termSum({{c[1], "x"}, {c[2], ""}});
    const QString function = QString::fromUtf8(name);
    if (argument == QLatin1String("x")) return amplitude + function + QStringLiteral(" x");
    return amplitude + function + QLatin1Char('(') + argument + QLatin1Char(')');
}

QString power(double exponent) {
    if (exponent == 1) return QStringLiteral("x");
    if (exponent == std::floor(exponent) && std::fabs(exponent) < 1e15)
        return QLatin1Char('x') + superscript(numberText(exponent));
    return QStringLiteral("x^") + signedNumber(exponent);
}

QString logarithm(double base) {
    if (base == 10) return QStringLiteral("lg x");
    return QStringLiteral("log") + subscript(numberText(base)) + QLatin1Char('x');
}

QString exponential(double base) {
    const QString text =
        base < 0 ? QLatin1Char('(') + signedNumber(base) + QLatin1Char(')') : numberText(base);
    return text + QChar(0x02E3);
}

}  // namespace

QString equationText(const GraphSpec& graph) {
    const auto& c = graph.c;
    const QString y = QStringLiteral("y = ");
    switch (graph.kind) {
        case GraphKind::Linear:
            return y + termSum({{c[0], "x"}, {c[1], ""}});
        case GraphKind::Quadratic:
            return y + termSum({{c[0], "x²"}, {c[1], "x"}, {c[2], ""}});
        case GraphKind::Logarithm:
            return y + logarithm(c[0]);
        case GraphKind::Exponential:
            return y + exponential(c[0]);
        case GraphKind::Power:
            return y + power(c[0]);
        case GraphKind::Sine:
            return y + wave("sin", c);
        case GraphKind::Cosine:
            return y + wave("cos", c);
        case GraphKind::Tangent:
            return y + QStringLiteral("tan x");
        case GraphKind::Cotangent:
            return y + QStringLiteral("cot x");
        case GraphKind::Formula:
            return y + graph.formulaText;
        case GraphKind::Line:
            return termSum({{c[0], "x"}, {c[1], "y"}, {c[2], ""}}) + QStringLiteral(" = 0");
        case GraphKind::Circle:
            return shiftedSquare("x", c[0]) + QStringLiteral(" + ") + shiftedSquare("y", c[1]) +
                   QStringLiteral(" = ") + numberText(c[2] * c[2]);
        case GraphKind::Ellipse:
            return squareOver("x", c[0]) + QStringLiteral(" + ") + squareOver("y", c[1]) +
                   QStringLiteral(" = 1");
        case GraphKind::Hyperbola1:
            return squareOver("x", c[0]) + QStringLiteral(" − ") + squareOver("y", c[1]) +
                   QStringLiteral(" = 1");
        case GraphKind::Hyperbola2:
            return squareOver("y", c[0]) + QStringLiteral(" − ") + squareOver("x", c[1]) +
                   QStringLiteral(" = 1");
        case GraphKind::Parabola1:
            return QStringLiteral("y² = ") + termSum({{2 * c[0], "x"}});
        case GraphKind::Parabola2:
            return QStringLiteral("x² = ") + termSum({{2 * c[0], "y"}});
        case GraphKind::Points:
            return QStringLiteral("数列");
    }
    return QString();
}

}  // namespace zeto
