#pragma once

#include <QString>

#include <vector>

namespace zeto {

// One piece of a formula as a textbook prints it: plain text, a row of pieces side by side, a
// fraction, a square root, or a base with a raised or lowered script. The same tree is drawn
// on screen and written out as one line of text for reading aloud and copying.
class MathBox {
  public:
    enum class Kind { Text, Row, Fraction, Radical, Superscript, Subscript };

    // An empty row.
    MathBox() = default;

    static MathBox text(const QString& text);
    static MathBox row(std::vector<MathBox> items);
    static MathBox fraction(MathBox numerator, MathBox denominator);
    static MathBox radical(MathBox radicand);
    static MathBox superscript(MathBox base, MathBox script);
    static MathBox subscript(MathBox base, MathBox script);

    Kind kind() const { return kind_; }
    // The characters of a text piece; empty for the others.
    const QString& characters() const { return text_; }
    // Row: its items. Fraction: numerator, denominator. Radical: the radicand. Scripts: the
    // base, then the script.
    const std::vector<MathBox>& parts() const { return parts_; }

    // Adds a piece at the end of a row, first making a row of any other piece; the items of
    // a row are added one by one, so that the tree stays flat.
    MathBox& append(MathBox box);
    MathBox& append(const QString& text) { return append(MathBox::text(text)); }

    // The one-line form: "(1-√5)/2", "√(6²×2)", "2ⁿ⁻¹", "a₁", "x^(1/2)".
    QString linear() const;
    // The lines one under another, joined by "\n".
    static QString linear(const std::vector<MathBox>& lines);

  private:
    MathBox(Kind kind, std::vector<MathBox> parts) : kind_(kind), parts_(std::move(parts)) {}

    Kind kind_ = Kind::Row;
    QString text_;
    std::vector<MathBox> parts_;
};

}  // namespace zeto
