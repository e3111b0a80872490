#pragma once

#include <gmpxx.h>

#include <QString>

#include <vector>

namespace zeto {

// A number r + s·√n held exactly: r and s rational, n a whole number above 1 without square
// factors, or no root part at all. Sums, differences, products and quotients of two such
// numbers with the same root (or a rational one) stay exact, so the roots of a quadratic with
// rational coefficients and everything worked out from them are such numbers.
class SurdNumber {
  public:
    SurdNumber() = default;
    SurdNumber(const mpq_class& rational);  // NOLINT: a rational is a surd without a root
    SurdNumber(long whole);                 // NOLINT
    // r + s·√n as given; n >= 0 is simplified.
    SurdNumber(const mpq_class& rational, const mpq_class& coefficient, const mpz_class& n);

    // The decimal that the text form of a finite value shows (15 significant digits), exactly.
    static mpq_class decimal(double value);
    // √value, simplified, for a value >= 0 (a negative value gives 0).
    static SurdNumber squareRoot(const mpq_class& value);
    // The real roots of a x² + b x + c = 0 in ascending order, one for a double root; a, b and
    // c not all zero.
    static std::vector<SurdNumber> quadraticRoots(const mpq_class& a, const mpq_class& b,
                                                  const mpq_class& c);

    const mpq_class& rationalPart() const { return rational_; }
    const mpq_class& rootCoefficient() const { return coefficient_; }
    // 0 for a rational number.
    const mpz_class& radicand() const { return radicand_; }
    bool isRational() const { return coefficient_ == 0; }
    // Whether arithmetic between the two stays exact.
    bool sharesField(const SurdNumber& other) const;

    // -1, 0 or +1, exactly.
    int sign() const;
    // Exact where the two share a field, by value otherwise.
    int compare(const SurdNumber& other) const;
    bool operator==(const SurdNumber& other) const;
    bool operator!=(const SurdNumber& other) const { return !(*this == other); }

    // The operands share a field; std::invalid_argument otherwise, and for division by 0.
    SurdNumber operator-() const;
    SurdNumber operator+(const SurdNumber& other) const;
    SurdNumber operator-(const SurdNumber& other) const;
    SurdNumber operator*(const SurdNumber& other) const;
    SurdNumber operator/(const SurdNumber& other) const;

    // The nearest double, or about it: the value rounded to 17 significant digits.
    double toDouble() const;
    // The exact form: 3, -25/4, √5, 2√2, √5/2, -√5, (1+√5)/2, (1-√5)/2, -1-√2.
    QString text() const;
    // 15 significant digits as numberText writes them; empty beyond the range of doubles.
    QString decimalText() const;
    // Every whole number the exact form writes has at most 15 digits.
    bool isCompact() const;

  private:
    // (whole + root·√n) / denominator with whole numbers of no common factor.
    struct Parts {
        mpz_class whole;
        mpz_class root;
        mpz_class denominator;
    };
    Parts parts() const;
    void settle();
    // With n already simplified, as sums and products of simplified numbers are.
    static SurdNumber simplified(const mpq_class& rational, const mpq_class& coefficient,
                                 const mpz_class& n);
    void requireSharedField(const SurdNumber& other) const;

    mpq_class rational_;
    mpq_class coefficient_;
    mpz_class radicand_;  // above 1 exactly when coefficient_ is not 0, else 0
};

}  // namespace zeto
