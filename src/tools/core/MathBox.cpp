#include "tools/core/MathBox.h"

#include <QStringList>

#include <optional>

namespace zeto {
namespace {

// Characters that join two terms or two sides: a part holding one of them outside brackets
// needs brackets of its own when it becomes a numerator, denominator, radicand or base.
bool isOperator(QChar c) {
    static const QString kOperators = QStringLiteral("+-±∓×÷/=<>≈≤≥，,; ");
    return kOperators.contains(c);
}

bool isCompound(const QString& text, bool leadingSignAllowed) {
    int depth = 0;
    for (int k = 0; k < text.size(); ++k) {
        const QChar c = text.at(k);
        if (c == QLatin1Char('(')) {
            ++depth;
        } else if (c == QLatin1Char(')')) {
            --depth;
        } else if (depth == 0 && isOperator(c)) {
            const bool sign = k == 0 && (c == QLatin1Char('-') || c == QChar(0x00B1));
            if (!sign || !leadingSignAllowed) return true;
        }
    }
    return false;
}

QString bracketed(const QString& text) {
    return QLatin1Char('(') + text + QLatin1Char(')');
}

// The characters of a part made of text pieces only; nothing for any other part.
std::optional<QString> plainCharacters(const MathBox& box) {
    if (box.kind() == MathBox::Kind::Text) return box.characters();
    if (box.kind() != MathBox::Kind::Row) return std::nullopt;
    QString text;
    for (const MathBox& item : box.parts()) {
        if (item.kind() != MathBox::Kind::Text) return std::nullopt;
        text += item.characters();
    }
    return text;
}

// The raised and lowered forms Unicode has for the characters scripts commonly hold.
const QString kPlain = QStringLiteral("0123456789+-=()ni");
const QString kRaised = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁼⁽⁾ⁿⁱ");
const QString kLowered = QStringLiteral("₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎ₙᵢ");

// The script in its Unicode form, or "^(…)" / "_(…)" where a character has none.
QString scriptText(const MathBox& script, const QString& forms, QChar marker) {
    if (const std::optional<QString> plain = plainCharacters(script); plain && !plain->isEmpty()) {
        QString mapped;
        for (QChar c : *plain) {
            const int at = kPlain.indexOf(c);
            if (at < 0) {
                mapped.clear();
                break;
            }
            mapped += forms.at(at);
        }
        if (!mapped.isEmpty()) return mapped;
    }
    return marker + bracketed(script.linear());
}

bool isBracket(const QString& text) {
    return text == QLatin1String("(") || text == QLatin1String(")");
}

}  // namespace

MathBox MathBox::text(const QString& text) {
    MathBox box(Kind::Text, {});
    box.text_ = text;
    return box;
}

MathBox MathBox::row(std::vector<MathBox> items) {
    MathBox box;
    for (MathBox& item : items) box.append(std::move(item));
    return box;
}

MathBox MathBox::fraction(MathBox numerator, MathBox denominator) {
    return MathBox(Kind::Fraction, {std::move(numerator), std::move(denominator)});
}

MathBox MathBox::radical(MathBox radicand) {
    std::vector<MathBox> parts;
    parts.push_back(std::move(radicand));
    return MathBox(Kind::Radical, std::move(parts));
}

MathBox MathBox::superscript(MathBox base, MathBox script) {
    return MathBox(Kind::Superscript, {std::move(base), std::move(script)});
}

MathBox MathBox::subscript(MathBox base, MathBox script) {
    return MathBox(Kind::Subscript, {std::move(base), std::move(script)});
}

MathBox& MathBox::append(MathBox box) {
    if (kind_ != Kind::Row) {
        // A single piece becomes the first item of a row.
        MathBox first = std::move(*this);
        *this = MathBox();
        parts_.push_back(std::move(first));
    }
    if (box.kind_ == Kind::Row) {
        for (MathBox& item : box.parts_) append(std::move(item));
    } else if (box.kind_ == Kind::Text && !parts_.empty() && parts_.back().kind_ == Kind::Text &&
               !isBracket(box.text_) && !isBracket(parts_.back().text_)) {
        // Neighbouring texts are one run of characters on screen; a bracket of its own stays
        // apart, so that the typesetter can make it as tall as what it encloses.
        parts_.back().text_ += box.text_;
    } else if (box.kind_ != Kind::Text || !box.text_.isEmpty()) {
        parts_.push_back(std::move(box));
    }
    return *this;
}

QString MathBox::linear() const {
    switch (kind_) {
        case Kind::Text:
            return text_;
        case Kind::Row: {
            QString text;
            for (const MathBox& item : parts_) text += item.linear();
            return text;
        }
        case Kind::Fraction: {
            const QString numerator = parts_[0].linear();
            const QString denominator = parts_[1].linear();
            return (isCompound(numerator, true) ? bracketed(numerator) : numerator) +
                   QLatin1Char('/') +
                   (isCompound(denominator, false) ? bracketed(denominator) : denominator);
        }
        case Kind::Radical: {
            const QString radicand = parts_[0].linear();
            const std::optional<QString> plain = plainCharacters(parts_[0]);
            bool atomic = plain && !plain->isEmpty();
            if (atomic)
                for (QChar c : *plain)
                    atomic = atomic && (c.isDigit() || c.isLetter() || c == QLatin1Char('.'));
            return QStringLiteral("√") + (atomic ? radicand : bracketed(radicand));
        }
        case Kind::Superscript:
        case Kind::Subscript: {
            const QString base = parts_[0].linear();
            const bool bracket = isCompound(base, false) || parts_[0].kind_ == Kind::Fraction;
            const bool raised = kind_ == Kind::Superscript;
            return (bracket ? bracketed(base) : base) +
                   scriptText(parts_[1], raised ? kRaised : kLowered,
                              raised ? QLatin1Char('^') : QLatin1Char('_'));
        }
    }
    return QString();
}

QString MathBox::linear(const std::vector<MathBox>& lines) {
    QStringList texts;
    for (const MathBox& line : lines) texts << line.linear();
    return texts.join(QLatin1Char('\n'));
}

}  // namespace zeto
