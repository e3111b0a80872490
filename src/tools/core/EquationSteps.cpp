#include "tools/core/EquationSteps.h"

#include "platform/core/NumberText.h"
#include "tools/core/ExactDecimal.h"
#include "tools/core/QuadraticNumber.h"
#include "tools/core/RadicalReducer.h"
#include "tools/core/StepNotation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zeto {
namespace {

using Term = StepNotation::Term;

MathBox text(const QString& characters) {
    return MathBox::text(characters);
}

MathBox line(std::vector<MathBox> items) {
    return MathBox::row(std::move(items));
}

// n/d in lowest terms with a positive denominator.
mpq_class ratio(const mpz_class& n, const mpz_class& d) {
    mpq_class value(n, d);
    value.canonicalize();
    return value;
}

MathBox xSquared() {
    return MathBox::superscript(text(QStringLiteral("x")), text(QStringLiteral("2")));
}

MathBox square(MathBox base) {
    return MathBox::superscript(std::move(base), text(QStringLiteral("2")));
}

MathBox equation(const mpz_class& a, const mpz_class& b, const mpz_class& c) {
    return line({StepNotation::sum({{a, xSquared()}, {b, text(QStringLiteral("x"))}, {c, {}}}),
                 text(QStringLiteral("=0"))});
}

// The equation with the coefficients as the page shows them.
MathBox typedEquation(const std::array<double, 3>& coefficients) {
    const MathBox letters[3] = {xSquared(), text(QStringLiteral("x")), MathBox()};
    MathBox box;
    bool first = true;
    for (int k = 0; k < 3; ++k) {
        const double v = coefficients[k];
        if (v == 0) continue;
        box.append(v < 0 ? QStringLiteral("-") : first ? QString() : QStringLiteral("+"));
        first = false;
        const QString magnitude = numberText(std::fabs(v));
        if (k == 2 || magnitude != QLatin1String("1")) box.append(magnitude);
        box.append(letters[k]);
    }
    box.append(QStringLiteral("=0"));
    return box;
}

// The number of decimal places of a decimal fraction: its denominator divides 10^places.
unsigned long decimalPlaces(const mpz_class& denominator) {
    mpz_class rest = denominator;
    const mpz_class two = 2;
    const mpz_class five = 5;
    const auto twos = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), two.get_mpz_t());
    const auto fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), five.get_mpz_t());
    return std::max(twos, fives);
}

// (h ± m√n)/f, the numerator's parts shown only where they are not 0 or 1.
MathBox quadraticForm(const mpz_class& h, const QString& sign, const mpz_class& m,
                      const mpz_class& n, const mpz_class& f) {
    MathBox top;
    if (h != 0) top.append(StepNotation::number(h));
    if (h != 0 || sign != QLatin1String("+")) top.append(sign);
    if (n == 1) {
        top.append(StepNotation::number(m));
    } else {
        if (m != 1) top.append(StepNotation::number(m));
        top.append(MathBox::radical(StepNotation::number(n)));
    }
    if (f == 1) return top;
    return MathBox::fraction(std::move(top), StepNotation::number(f));
}

class Solution {
  public:
    Solution(const mpz_class& a, const mpz_class& b, const mpz_class& c)
        : a_(a), b_(b), c_(c), discriminant_(b * b - 4 * a * c) {}

    void discriminant(std::vector<MathBox>& lines) const;
    void factorised(std::vector<MathBox>& lines) const;
    void completedSquare(std::vector<MathBox>& lines) const;
    void formula(std::vector<MathBox>& lines) const;
    void roots(std::vector<MathBox>& lines) const;
    void vieta(std::vector<MathBox>& lines) const;

  private:
    mpz_class a_, b_, c_, discriminant_;
};

void Solution::discriminant(std::vector<MathBox>& lines) const {
    lines.push_back(
        line({text(QStringLiteral("a=")), StepNotation::number(a_), text(QStringLiteral("，b=")),
              StepNotation::number(b_), text(QStringLiteral("，c=")), StepNotation::number(c_)}));
    lines.push_back(line({text(QStringLiteral("Δ=")), square(StepNotation::operand(b_)),
                          text(QStringLiteral("-4×")), StepNotation::operand(a_),
                          text(QStringLiteral("×")), StepNotation::operand(c_),
                          text(QStringLiteral("=")), StepNotation::number(discriminant_)}));
    const int sign = sgn(discriminant_);
    const QString verdict = sign > 0   ? QStringLiteral(">0，方程有两个不相等的实数根")
                            : sign < 0 ? QStringLiteral("<0，方程没有实数根")
                                       : QStringLiteral("，方程有两个相等的实数根");
    lines.push_back(
        line({text(QStringLiteral("Δ=")), StepNotation::number(discriminant_), text(verdict)}));
}

void Solution::factorised(std::vector<MathBox>& lines) const {
    if (discriminant_ < 0 || mpz_perfect_square_p(discriminant_.get_mpz_t()) == 0) return;
    const mpz_class root = sqrt(discriminant_);
    std::array<mpq_class, 2> roots = {ratio(-b_ + root, 2 * a_), ratio(-b_ - root, 2 * a_)};
    // The factor of the smaller root first; of two roots equally far from 0, the negative one.
    std::sort(roots.begin(), roots.end(), [](const mpq_class& x, const mpq_class& y) {
        const int byMagnitude = cmp(abs(x), abs(y));
        return byMagnitude != 0 ? byMagnitude < 0 : x < y;
    });
    const auto factor = [](const mpq_class& r) {
        if (r == 0) return text(QStringLiteral("x"));
        MathBox inner;
        if (r.get_den() != 1) inner.append(StepNotation::number(r.get_den()));
        inner.append(QStringLiteral("x"));
        inner.append(r > 0 ? QStringLiteral("-") : QStringLiteral("+"));
        inner.append(StepNotation::number(mpz_class(abs(r.get_num()))));
        return StepNotation::bracketed(std::move(inner));
    };
    // By Gauss's lemma the factors with whole coefficients leave a whole constant in front.
    const mpq_class constant = ratio(a_, roots[0].get_den() * roots[1].get_den());
    MathBox box = text(QStringLiteral("因式分解法："));
    if (constant == -1)
        box.append(QStringLiteral("-"));
    else if (constant != 1)
        box.append(StepNotation::number(constant));
    if (roots[0] == roots[1]) {
        box.append(roots[0] == 0 ? xSquared() : square(factor(roots[0])));
    } else {
        box.append(factor(roots[0]));
        box.append(factor(roots[1]));
    }
    box.append(QStringLiteral("=0"));
    lines.push_back(std::move(box));
}

void Solution::completedSquare(std::vector<MathBox>& lines) const {
    lines.push_back(text(QStringLiteral("配方法：")));
    const mpq_class pc = ratio(b_, a_);
    const mpq_class qc = ratio(c_, a_);
    const MathBox x = text(QStringLiteral("x"));
    if (a_ != 1)
        lines.push_back(line({text(QStringLiteral("两边同除以")), StepNotation::number(a_),
                              text(QStringLiteral("：")),
                              StepNotation::sum({{1, xSquared()}, {pc, x}, {qc, {}}}),
                              text(QStringLiteral("=0"))}));
    if (qc != 0)
        lines.push_back(
            line({text(QStringLiteral("移项：")), StepNotation::sum({{1, xSquared()}, {pc, x}}),
                  text(QStringLiteral("=")), StepNotation::number(mpq_class(-qc))}));
    const mpq_class half = pc / 2;
    const mpq_class rest = half * half - qc;
    if (pc != 0) {
        const mpq_class magnitude = abs(half);
        const MathBox added = square(
            magnitude.get_den() == 1 ? StepNotation::number(magnitude)
                                     : StepNotation::bracketed(StepNotation::number(magnitude)));
        MathBox right;
        if (qc != 0) {
            right.append(StepNotation::number(mpq_class(-qc)));
            right.append(QStringLiteral("+"));
        }
        right.append(added);
        lines.push_back(
            line({text(QStringLiteral("配方：")), StepNotation::sum({{1, xSquared()}, {pc, x}}),
                  text(QStringLiteral("+")), added, text(QStringLiteral("=")), std::move(right)}));
        lines.push_back(
            line({square(StepNotation::bracketed(StepNotation::sum({{1, x}, {half, {}}}))),
                  text(QStringLiteral("=")), StepNotation::number(rest)}));
    } else if (qc == 0 && a_ == 1) {
        lines.push_back(line({xSquared(), text(QStringLiteral("=0"))}));
    }
    if (rest < 0)
        lines.push_back(text(QStringLiteral("因为任何实数的平方都不小于0，所以原方程没有实数根")));
}

void Solution::formula(std::vector<MathBox>& lines) const {
    if (discriminant_ < 0) return;
    MathBox substituted;
    if (b_ != 0) {
        substituted.append(QStringLiteral("-"));
        substituted.append(StepNotation::operand(b_));
    }
    substituted.append(QStringLiteral("±"));
    substituted.append(MathBox::radical(StepNotation::number(discriminant_)));
    MathBox chain = text(QStringLiteral("公式法：x="));
    chain.append(MathBox::fraction(std::move(substituted),
                                   line({text(QStringLiteral("2×")), StepNotation::operand(a_)})));
    chain.append(QStringLiteral("="));
    if (discriminant_ == 0) {
        chain.append(StepNotation::number(ratio(-b_, 2 * a_)));
        lines.push_back(std::move(chain));
        return;
    }
    const WholeRadical simplified = RadicalReducer::reduce(discriminant_);
    const mpz_class h = -b_;
    const mpz_class f = 2 * a_;
    const MathBox plain = quadraticForm(h, QStringLiteral("±"), simplified.m, simplified.r, f);
    chain.append(plain);
    // The common divisor comes out, and the denominator's sign goes to the numerator, where
    // the ± absorbs it.
    const mpz_class common = gcd(gcd(h, simplified.m), f);
    const int sign = sgn(f);
    const MathBox reduced = quadraticForm(sign * h / common, QStringLiteral("±"),
                                          simplified.m / common, simplified.r, sign * f / common);
    if (reduced.linear() != plain.linear()) {
        chain.append(QStringLiteral("="));
        chain.append(reduced);
    }
    lines.push_back(std::move(chain));
}

void Solution::roots(std::vector<MathBox>& lines) const {
    if (discriminant_ < 0) return;
    const MathBox x1 = StepNotation::indexed(QStringLiteral("x"), QStringLiteral("1"));
    const MathBox x2 = StepNotation::indexed(QStringLiteral("x"), QStringLiteral("2"));
    if (discriminant_ == 0) {
        lines.push_back(line({x1, text(QStringLiteral("=")), x2, text(QStringLiteral("=")),
                              StepNotation::number(ratio(-b_, 2 * a_))}));
        return;
    }
    const WholeRadical simplified = RadicalReducer::reduce(discriminant_);
    const bool rational = simplified.r == 1;
    // As the page shows them: x₁ takes +√Δ of the coefficients as they stand.
    const mpz_class common = gcd(gcd(b_, simplified.m), 2 * a_);
    const int flip = sgn(a_);
    const mpz_class h = -b_ / common * flip;
    const mpz_class m = simplified.m / common;
    const mpz_class f = 2 * a_ / common * flip;
    for (int k = 0; k < 2; ++k) {
        const int sign = (k == 0 ? 1 : -1) * flip;
        MathBox root = line({k == 0 ? x1 : x2, text(QStringLiteral("="))});
        if (rational) {
            root.append(StepNotation::number(ratio(h + sign * m, f)));
        } else {
            root.append(quadraticForm(h, sign > 0 ? QStringLiteral("+") : QStringLiteral("-"), m,
                                      simplified.r, f));
            const std::string decimal =
                QuadraticNumber(-b_, k == 0 ? 1 : -1, discriminant_, 2 * a_).text();
            if (!decimal.empty())
                root.append(QStringLiteral("≈") + QString::fromStdString(decimal));
        }
        lines.push_back(std::move(root));
    }
}

void Solution::vieta(std::vector<MathBox>& lines) const {
    if (discriminant_ < 0) return;
    const mpq_class sum = ratio(-b_, a_);
    const mpq_class product = ratio(c_, a_);
    lines.push_back(line(
        {text(QStringLiteral("韦达定理：")),
         StepNotation::indexed(QStringLiteral("x"), QStringLiteral("1")), text(QStringLiteral("+")),
         StepNotation::indexed(QStringLiteral("x"), QStringLiteral("2")), text(QStringLiteral("=")),
         StepNotation::number(sum), text(QStringLiteral("，")),
         StepNotation::indexed(QStringLiteral("x"), QStringLiteral("1")),
         StepNotation::indexed(QStringLiteral("x"), QStringLiteral("2")), text(QStringLiteral("=")),
         StepNotation::number(product)}));
}

}  // namespace

std::vector<MathBox> EquationSteps::of(double a, double b, double c) {
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c))
        return {text(QStringLiteral("系数超出了数的范围"))};
    if (a == 0) return {text(QStringLiteral("二次项系数为0，这不是一元二次方程"))};
    std::vector<MathBox> lines;
    lines.push_back(line({text(QStringLiteral("解方程：")), typedEquation({a, b, c})}));

    std::array<mpq_class, 3> exact = {ExactDecimal::of(a), ExactDecimal::of(b),
                                      ExactDecimal::of(c)};
    unsigned long places = 0;
    for (const mpq_class& v : exact) places = std::max(places, decimalPlaces(v.get_den()));
    std::array<mpz_class, 3> whole;
    if (places > 0) {
        const mpz_class scale = ExactDecimal::powerOfTen(places);
        mpz_class common = 0;
        for (int k = 0; k < 3; ++k) {
            whole[k] = exact[k].get_num() * (scale / exact[k].get_den());
            common = gcd(common, whole[k]);
        }
        const auto reduced = [&] {
            std::array<mpz_class, 3> r;
            for (int k = 0; k < 3; ++k) r[k] = whole[k] / common;
            return r;
        }();
        if (scale % common == 0) {
            lines.push_back(line(
                {text(QStringLiteral("两边同乘")), StepNotation::number(mpz_class(scale / common)),
                 text(QStringLiteral("：")), equation(reduced[0], reduced[1], reduced[2])}));
        } else {
            lines.push_back(
                line({text(QStringLiteral("两边同乘")), StepNotation::number(scale),
                      text(QStringLiteral("：")), equation(whole[0], whole[1], whole[2])}));
            lines.push_back(
                line({text(QStringLiteral("两边同除以")), StepNotation::number(common),
                      text(QStringLiteral("：")), equation(reduced[0], reduced[1], reduced[2])}));
        }
        whole = reduced;
    } else {
        for (int k = 0; k < 3; ++k) whole[k] = exact[k].get_num();
    }

    const Solution solution(whole[0], whole[1], whole[2]);
    solution.discriminant(lines);
    solution.factorised(lines);
    solution.completedSquare(lines);
    solution.formula(lines);
    solution.roots(lines);
    solution.vieta(lines);
    return lines;
}

}  // namespace zeto
