#include "tools/core/RadicalSteps.h"

#include "platform/core/NumberText.h"
#include "tools/core/ExactDecimal.h"
#include "tools/core/PrimeFactors.h"
#include "tools/core/RadicalReducer.h"
#include "tools/core/StepNotation.h"

#include <cmath>

namespace zeto {
namespace {

MathBox text(const QString& characters) {
    return MathBox::text(characters);
}

MathBox number(const mpz_class& value) {
    return StepNotation::number(value);
}

MathBox root(MathBox radicand) {
    return MathBox::radical(std::move(radicand));
}

MathBox product(const mpz_class& a, const mpz_class& b) {
    return MathBox::row({number(a), text(QStringLiteral("×")), number(b)});
}

// m√r over d, each part left out where it is 1.
MathBox rootOver(const mpz_class& m, const mpz_class& r, const mpz_class& d) {
    MathBox top;
    if (m != 1 || r == 1) top.append(number(m));
    if (r != 1) top.append(root(number(r)));
    if (d == 1) return top;
    return MathBox::fraction(std::move(top), number(d));
}

// a = b = c …, an expression equal to the one before it said once.
MathBox chain(const std::vector<MathBox>& expressions) {
    MathBox box;
    QString last;
    for (const MathBox& e : expressions) {
        const QString form = e.linear();
        if (form == last) continue;
        if (!last.isNull()) box.append(QStringLiteral("="));
        box.append(e);
        last = form;
    }
    return box;
}

void wholeSteps(const mpz_class& value, std::vector<MathBox>& lines) {
    const MathBox given = root(number(value));
    const std::optional<std::vector<PrimeFactors::Power>> powers = PrimeFactors::of(value);
    mpz_class m = 1;
    mpz_class r = 1;
    if (powers) {
        if (powers->size() == 1 && powers->front().exponent == 1) {
            lines.push_back(MathBox::row({number(value), text(QStringLiteral("是质数"))}));
            lines.push_back(MathBox::row(
                {text(QStringLiteral("所以")), given, text(QStringLiteral("已是最简二次根式"))}));
            return;
        }
        MathBox factorised = MathBox::row({number(value), text(QStringLiteral("="))});
        for (const PrimeFactors::Power& p : *powers) {
            if (&p != &powers->front()) factorised.append(QStringLiteral("×"));
            factorised.append(
                p.exponent == 1
                    ? number(p.prime)
                    : MathBox::superscript(number(p.prime), text(QString::number(p.exponent))));
            mpz_class power;
            mpz_pow_ui(power.get_mpz_t(), p.prime.get_mpz_t(), p.exponent / 2);
            m *= power;
            if (p.exponent % 2 == 1) r *= p.prime;
        }
        lines.push_back(std::move(factorised));
    } else {
        const WholeRadical reduced = RadicalReducer::reduce(value);
        m = reduced.m;
        r = reduced.r;
    }
    if (m == 1) {
        lines.push_back(MathBox::row({number(value), text(QStringLiteral("没有大于1的平方因数"))}));
        lines.push_back(MathBox::row(
            {text(QStringLiteral("所以")), given, text(QStringLiteral("已是最简二次根式"))}));
        return;
    }
    MathBox squares = MathBox::superscript(number(m), text(QStringLiteral("2")));
    if (r != 1) {
        squares.append(QStringLiteral("×"));
        squares.append(number(r));
    }
    lines.push_back(chain({given, root(std::move(squares)), rootOver(m, r, 1)}));
    lines.push_back(
        MathBox::row({text(QStringLiteral("所以")), chain({given, rootOver(m, r, 1)})}));
}

void decimalSteps(double value, const mpq_class& exact, std::vector<MathBox>& lines) {
    const mpz_class& p = exact.get_num();
    const mpz_class& q = exact.get_den();
    const MathBox fraction = MathBox::fraction(number(p), number(q));
    lines.push_back(MathBox::row({text(numberText(value)), text(QStringLiteral("=")), fraction}));

    // The denominator is 2^i 5^j: multiplied by the odd powers' primes it is a square.
    mpz_class k = 1;
    for (unsigned long prime : {2UL, 5UL}) {
        mpz_class rest = q;
        const mpz_class factor = prime;
        if (mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), factor.get_mpz_t()) % 2 == 1) k *= prime;
    }
    const mpz_class s = sqrt(q * k);
    const WholeRadical top = RadicalReducer::reduce(mpz_class(p * k));
    const mpz_class common = gcd(top.m, s);
    const MathBox result = rootOver(top.m / common, top.r, s / common);

    std::vector<MathBox> steps = {root(fraction)};
    if (k == 1) {
        steps.push_back(MathBox::fraction(root(number(p)), root(number(q))));
    } else {
        steps.push_back(MathBox::fraction(root(product(p, k)), root(product(q, k))));
        steps.push_back(MathBox::fraction(root(number(mpz_class(p * k))), number(s)));
        steps.push_back(rootOver(top.m, top.r, s));
    }
    steps.push_back(result);
    MathBox rationalised = chain(steps);
    if (k != 1) rationalised = MathBox::row({text(QStringLiteral("分母有理化：")), rationalised});
    lines.push_back(std::move(rationalised));
    lines.push_back(MathBox::row({text(QStringLiteral("所以")),
                                  chain({root(text(numberText(value))), root(fraction), result})}));
}

}  // namespace

std::vector<MathBox> RadicalSteps::of(double value) {
    if (!std::isfinite(value) || value < 0)
        return {text(QStringLiteral("被开方数必须是大于等于0的数"))};
    const mpq_class exact = ExactDecimal::of(value);
    if (exact == 0 || exact == 1) {
        const QString digit = exact == 0 ? QStringLiteral("0") : QStringLiteral("1");
        return {MathBox::row({root(text(digit)), text(QStringLiteral("=") + digit)})};
    }
    std::vector<MathBox> lines;
    if (exact.get_den() == 1)
        wholeSteps(exact.get_num(), lines);
    else
        decimalSteps(value, exact, lines);
    return lines;
}

}  // namespace zeto
