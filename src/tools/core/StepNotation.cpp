#include "tools/core/StepNotation.h"

namespace zeto {

MathBox StepNotation::number(const mpz_class& value) {
    return MathBox::text(QString::fromStdString(value.get_str()));
}

MathBox StepNotation::number(const mpq_class& value) {
    if (value.get_den() == 1) return number(value.get_num());
    MathBox box;
    if (value < 0) box.append(QStringLiteral("-"));
    box.append(MathBox::fraction(number(mpz_class(abs(value.get_num()))), number(value.get_den())));
    return box;
}

MathBox StepNotation::operand(const mpq_class& value) {
    return value < 0 ? bracketed(number(value)) : number(value);
}

MathBox StepNotation::bracketed(MathBox box) {
    return MathBox::row(
        {MathBox::text(QStringLiteral("(")), std::move(box), MathBox::text(QStringLiteral(")"))});
}

MathBox StepNotation::indexed(const QString& letter, const QString& index) {
    return MathBox::subscript(MathBox::text(letter), MathBox::text(index));
}

MathBox StepNotation::power(MathBox base, const QString& exponent) {
    bool plain = base.kind() == MathBox::Kind::Text;
    for (QChar c : base.characters())
        plain = plain && (c.isDigit() || c.isLetter() || c == QLatin1Char('.'));
    return MathBox::superscript(plain ? std::move(base) : bracketed(std::move(base)),
                                MathBox::text(exponent));
}

MathBox StepNotation::sum(const std::vector<Term>& terms) {
    MathBox box;
    bool first = true;
    for (const Term& term : terms) {
        const mpq_class& c = term.coefficient;
        if (c == 0) continue;
        if (c < 0)
            box.append(QStringLiteral("-"));
        else if (!first)
            box.append(QStringLiteral("+"));
        first = false;
        const mpz_class numerator = abs(c.get_num());
        const bool letters =
            !term.letters.parts().empty() || term.letters.kind() != MathBox::Kind::Row;
        MathBox top;
        if (!letters || numerator != 1) top.append(number(numerator));
        if (letters) top.append(term.letters);
        if (c.get_den() == 1)
            box.append(std::move(top));
        else
            box.append(MathBox::fraction(std::move(top), number(c.get_den())));
    }
    if (first) box.append(QStringLiteral("0"));
    return box;
}

MathBox StepNotation::sumOverCommonDenominator(const std::vector<Term>& terms) {
    mpz_class common = 1;
    for (const Term& term : terms) common = lcm(common, term.coefficient.get_den());
    if (common == 1) return sum(terms);
    // A leading minus goes in front of the fraction, not inside its numerator.
    int sign = 0;
    for (const Term& term : terms)
        if (sign == 0) sign = sgn(term.coefficient);
    std::vector<Term> scaled;
    for (const Term& term : terms)
        scaled.push_back({term.coefficient * common * sign, term.letters});
    MathBox box;
    if (sign < 0) box.append(QStringLiteral("-"));
    box.append(MathBox::fraction(sum(scaled), number(common)));
    return box;
}

}  // namespace zeto
