#include "tools/core/SequenceSteps.h"

#include "platform/core/NumberText.h"
#include "tools/core/ExactDecimal.h"
#include "tools/core/FormulaNotation.h"
#include "tools/core/StepNotation.h"

#include <cmath>

namespace zeto {
namespace {

// Powers of q tried when looking for a first term that is one: far beyond any a user types.
constexpr int kMostPowerTried = 64;

MathBox text(const QString& characters) {
    return MathBox::text(characters);
}

MathBox an() {
    return StepNotation::indexed(QStringLiteral("a"), QStringLiteral("n"));
}

MathBox a1() {
    return StepNotation::indexed(QStringLiteral("a"), QStringLiteral("1"));
}

MathBox sn() {
    return StepNotation::indexed(QStringLiteral("S"), QStringLiteral("n"));
}

MathBox n() {
    return text(QStringLiteral("n"));
}

// A parameter as the page shows it, bracketed after an operator when negative.
MathBox shown(double value, bool operand) {
    const MathBox box = text(numberText(value));
    return operand && value < 0 ? StepNotation::bracketed(box) : box;
}

// The statement: "等差数列：a₁=1，d=2".
MathBox statement(const QString& kind, double first, const QString& second, double value) {
    return MathBox::row(
        {text(kind + QStringLiteral("：")), a1(), text(QStringLiteral("=")), shown(first, false),
         text(QStringLiteral("，") + second + QStringLiteral("=")), shown(value, false)});
}

// q as the base of a power: a whole number as it is, anything else in brackets.
MathBox base(const mpq_class& q) {
    const MathBox box = StepNotation::number(q);
    return q >= 0 && q.get_den() == 1 ? box : StepNotation::bracketed(box);
}

// The exponent n-1+shift: "n-1", "n", "n+2".
QString exponent(long shift) {
    if (shift == 0) return QStringLiteral("n");
    return QStringLiteral("n") + (shift > 0 ? QStringLiteral("+") : QStringLiteral("-")) +
           QString::number(std::labs(shift));
}

// a₁qⁿ⁻¹ in its simplest form: a first term ±q^k is folded into the power.
MathBox geometricTerm(const mpq_class& first, const mpq_class& q) {
    if (q == 1) return StepNotation::number(first);
    if (abs(q) != 1) {
        mpq_class up = 1;
        mpq_class down = 1;
        for (long k = 0; k <= kMostPowerTried; ++k, up *= q, down /= q) {
            for (const auto& [power, shift] : {std::pair{up, k}, std::pair{down, -k}}) {
                if (abs(first) != abs(power)) continue;
                MathBox box;
                if (first != power) box.append(QStringLiteral("-"));
                box.append(MathBox::superscript(base(q), text(exponent(shift - 1))));
                return box;
            }
        }
    }
    MathBox box = StepNotation::number(first);
    box.append(QStringLiteral("×"));
    box.append(MathBox::superscript(base(q), text(QStringLiteral("n-1"))));
    return box;
}

// a₁(1-qⁿ)/(1-q) as c(1-qⁿ) with c = a₁/(1-q), the sign of c turned into the order of the
// bracket: -(1-2ⁿ) is 2ⁿ-1.
MathBox geometricSum(const mpq_class& first, const mpq_class& q) {
    const mpq_class c = first / (1 - q);
    const MathBox power = MathBox::superscript(base(q), n());
    MathBox inner;
    if (c < 0) {
        inner.append(power);
        inner.append(QStringLiteral("-1"));
    } else {
        inner.append(QStringLiteral("1-"));
        inner.append(power);
    }
    const mpz_class top = abs(c.get_num());
    MathBox numerator;
    if (top == 1) {
        numerator = inner;
    } else {
        numerator.append(StepNotation::number(top));
        numerator.append(StepNotation::bracketed(inner));
    }
    if (c.get_den() == 1) return numerator;
    return MathBox::fraction(numerator, StepNotation::number(c.get_den()));
}

std::vector<MathBox> outOfRange() {
    return {text(QStringLiteral("参数超出了数的范围"))};
}

}  // namespace

std::vector<MathBox> SequenceSteps::arithmetic(double first, double d) {
    if (!std::isfinite(first) || !std::isfinite(d)) return outOfRange();
    const mpq_class a = ExactDecimal::of(first);
    const mpq_class step = ExactDecimal::of(d);
    std::vector<MathBox> lines = {
        statement(QStringLiteral("等差数列"), first, QStringLiteral("d"), d)};
    lines.push_back(
        MathBox::row({an(), text(QStringLiteral("=")), a1(), text(QStringLiteral("+(n-1)d=")),
                      shown(first, false), text(QStringLiteral("+(n-1)×")), shown(d, true),
                      text(QStringLiteral("=")),
                      StepNotation::sumOverCommonDenominator({{step, n()}, {a - step, {}}})}));
    const mpq_class half = step / 2;
    lines.push_back(MathBox::row(
        {sn(), text(QStringLiteral("=")),
         MathBox::fraction(MathBox::row({n(), StepNotation::bracketed(MathBox::row(
                                                  {a1(), text(QStringLiteral("+")), an()}))}),
                           text(QStringLiteral("2"))),
         text(QStringLiteral("=")),
         StepNotation::sumOverCommonDenominator(
             {{half, MathBox::superscript(n(), text(QStringLiteral("2")))}, {a - half, n()}})}));
    return lines;
}

std::vector<MathBox> SequenceSteps::geometric(double first, double ratio) {
    if (!std::isfinite(first) || !std::isfinite(ratio)) return outOfRange();
    std::vector<MathBox> lines = {
        statement(QStringLiteral("等比数列"), first, QStringLiteral("q"), ratio)};
    const mpq_class a = ExactDecimal::of(first);
    const mpq_class q = ExactDecimal::of(ratio);
    if (a == 0 || q == 0) {
        lines.push_back(text(a == 0 ? QStringLiteral("等比数列的首项不能为0")
                                    : QStringLiteral("等比数列的公比不能为0")));
        return lines;
    }
    const MathBox qn1 =
        MathBox::superscript(text(QStringLiteral("q")), text(QStringLiteral("n-1")));
    // The numbers put in, with a first term 1 left out as one writes it.
    MathBox substituted;
    if (a == -1)
        substituted.append(QStringLiteral("-"));
    else if (a != 1)
        substituted.append(MathBox::row({shown(first, false), text(QStringLiteral("×"))}));
    substituted.append(StepNotation::power(shown(ratio, false), QStringLiteral("n-1")));
    MathBox term = MathBox::row(
        {an(), text(QStringLiteral("=")), a1(), qn1, text(QStringLiteral("=")), substituted});
    const MathBox simplest = geometricTerm(a, q);
    if (simplest.linear() != substituted.linear()) {
        term.append(QStringLiteral("="));
        term.append(simplest);
    }
    lines.push_back(std::move(term));

    if (q == 1) {
        lines.push_back(MathBox::row({sn(), text(QStringLiteral("=")), n(), a1(),
                                      text(QStringLiteral("=")), StepNotation::sum({{a, n()}})}));
        return lines;
    }
    const MathBox qn = MathBox::superscript(text(QStringLiteral("q")), n());
    lines.push_back(MathBox::row(
        {sn(), text(QStringLiteral("=")),
         MathBox::fraction(MathBox::row({a1(), StepNotation::bracketed(MathBox::row(
                                                   {text(QStringLiteral("1-")), qn}))}),
                           text(QStringLiteral("1-q"))),
         text(QStringLiteral("=")), geometricSum(a, q)}));
    return lines;
}

std::vector<MathBox> SequenceSteps::custom(const QString& formula) {
    const std::optional<MathBox> written = FormulaNotation::read(formula);
    MathBox term = MathBox::row({an(), text(QStringLiteral("="))});
    term.append(written ? *written : text(formula.trimmed()));
    MathBox sum = MathBox::row({sn(), text(QStringLiteral("=")), a1(), text(QStringLiteral("+")),
                                StepNotation::indexed(QStringLiteral("a"), QStringLiteral("2")),
                                text(QStringLiteral("+…+")), an()});
    return {std::move(term), std::move(sum)};
}

}  // namespace zeto
