#include "tools/core/FormulaNotation.h"

#include "tools/core/StepNotation.h"

namespace zeto {
namespace {

// How tightly a written piece holds together: a piece binding less tightly than its place
// needs is put in brackets.
enum class Binding { Sum, Negation, Product, Power, Atom };

struct Piece {
    MathBox box;
    Binding binding = Binding::Atom;
    bool number = false;  // a plain number, before which a × may be left out
    bool radical = false;
};

// Recursive descent over the formula language's precedence: sums, then products, then
// signs, then powers (left to right: 2^3^2 is (2^3)^2).
class Reader {
  public:
    explicit Reader(const QString& text) : text_(text) {}

    std::optional<Piece> formula() {
        std::optional<Piece> piece = sum();
        skipBlanks();
        if (!piece || at_ != text_.size()) return std::nullopt;
        return piece;
    }

  private:
    // Deeper nesting than this is not a formula anyone types; it is refused rather than
    // allowed to exhaust the stack.
    static constexpr int kMostNesting = 100;

    void skipBlanks() {
        while (at_ < text_.size() && text_.at(at_).isSpace()) ++at_;
    }

    bool take(QChar c) {
        skipBlanks();
        if (at_ < text_.size() && text_.at(at_) == c) {
            ++at_;
            return true;
        }
        return false;
    }

    static MathBox placed(const Piece& piece, Binding least) {
        return piece.binding < least ? StepNotation::bracketed(piece.box) : piece.box;
    }

    std::optional<Piece> sum() {
        std::optional<Piece> left = product();
        for (;;) {
            if (!left) return std::nullopt;
            const bool plus = take(QLatin1Char('+'));
            if (!plus && !take(QLatin1Char('-'))) return left;
            const std::optional<Piece> right = product();
            if (!right) return std::nullopt;
            MathBox box = left->box;
            box.append(plus ? QStringLiteral("+") : QStringLiteral("-"));
            // A negated term keeps its brackets after a sign: "n+(-2)", "n-(-2)".
            box.append(placed(*right, Binding::Product));
            left = Piece{box, Binding::Sum};
        }
    }

    std::optional<Piece> product() {
        std::optional<Piece> left = signedPower();
        for (;;) {
            if (!left) return std::nullopt;
            const bool times = take(QLatin1Char('*'));
            if (!times && !take(QLatin1Char('/'))) return left;
            const std::optional<Piece> right = signedPower();
            if (!right) return std::nullopt;
            if (!times) {
                left = Piece{MathBox::fraction(left->box, right->box), Binding::Product};
                continue;
            }
            const MathBox second = placed(*right, Binding::Product);
            const QString start = second.linear().left(1);
            const bool juxtaposed =
                left->number && right->binding != Binding::Negation && !start.isEmpty() &&
                (start.at(0).isLetter() || start == QLatin1String("(") || right->radical);
            MathBox box = placed(*left, Binding::Negation);
            if (!juxtaposed) box.append(QStringLiteral("×"));
            box.append(second);
            left = Piece{box, Binding::Product};
        }
    }

    std::optional<Piece> signedPower() {
        if (++depth_ > kMostNesting) return std::nullopt;
        std::optional<Piece> piece;
        if (take(QLatin1Char('-'))) {
            if (const std::optional<Piece> operand = signedPower()) {
                MathBox box = MathBox::text(QStringLiteral("-"));
                box.append(placed(*operand, Binding::Product));
                piece = Piece{box, Binding::Negation, operand->number};
            }
        } else if (take(QLatin1Char('+'))) {
            piece = signedPower();
        } else {
            piece = power();
        }
        --depth_;
        return piece;
    }

    std::optional<Piece> power() {
        std::optional<Piece> base = atom();
        while (base && take(QLatin1Char('^'))) {
            const std::optional<Piece> exponent = signedExponent();
            if (!exponent) return std::nullopt;
            // A radical is bracketed too: √n² could be read either way.
            const MathBox lower = base->binding < Binding::Atom || base->radical
                                      ? StepNotation::bracketed(base->box)
                                      : base->box;
            base = Piece{MathBox::superscript(lower, exponent->box), Binding::Power};
        }
        return base;
    }

    std::optional<Piece> signedExponent() {
        if (++depth_ > kMostNesting) return std::nullopt;
        std::optional<Piece> piece;
        if (take(QLatin1Char('-'))) {
            if (const std::optional<Piece> operand = signedExponent()) {
                MathBox box = MathBox::text(QStringLiteral("-"));
                box.append(operand->box);
                piece = Piece{box, Binding::Negation};
            }
        } else if (take(QLatin1Char('+'))) {
            piece = signedExponent();
        } else {
            piece = atom();
        }
        --depth_;
        return piece;
    }

    std::optional<Piece> atom() {
        if (++depth_ > kMostNesting) return std::nullopt;
        const std::optional<Piece> piece = plainAtom();
        --depth_;
        return piece;
    }

    std::optional<Piece> plainAtom() {
        skipBlanks();
        if (at_ >= text_.size()) return std::nullopt;
        if (take(QLatin1Char('('))) {
            std::optional<Piece> inner = sum();
            if (!inner || !take(QLatin1Char(')'))) return std::nullopt;
            return inner;
        }
        const int start = at_;
        if (text_.at(at_).isDigit() || text_.at(at_) == QLatin1Char('.')) {
            while (at_ < text_.size() && text_.at(at_).isDigit()) ++at_;
            if (at_ < text_.size() && text_.at(at_) == QLatin1Char('.')) ++at_;
            while (at_ < text_.size() && text_.at(at_).isDigit()) ++at_;
            const QString digits = text_.mid(start, at_ - start);
            if (digits == QLatin1String(".")) return std::nullopt;
            return Piece{MathBox::text(digits), Binding::Atom, true};
        }
        while (at_ < text_.size() && text_.at(at_).isLetterOrNumber() &&
               text_.at(at_).unicode() < 128)
            ++at_;
        const QString word = text_.mid(start, at_ - start).toLower();
        if (word == QLatin1String("n")) return Piece{MathBox::text(QStringLiteral("n"))};
        if (word == QLatin1String("sqr") && take(QLatin1Char('('))) {
            std::optional<Piece> inner = sum();
            if (!inner || !take(QLatin1Char(')'))) return std::nullopt;
            return Piece{MathBox::radical(inner->box), Binding::Atom, false, true};
        }
        return std::nullopt;
    }

    const QString& text_;
    int at_ = 0;
    int depth_ = 0;
};

}  // namespace

std::optional<MathBox> FormulaNotation::read(const QString& formula) {
    std::optional<Piece> piece = Reader(formula).formula();
    if (!piece) return std::nullopt;
    return piece->box;
}

}  // namespace zeto
