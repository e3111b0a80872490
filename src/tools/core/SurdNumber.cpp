#include "tools/core/SurdNumber.h"

#include "platform/core/NumberText.h"
#include "tools/core/QuadraticNumber.h"
#include "tools/core/RadicalReducer.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zeto {
namespace {

// Parts below this have at most 15 digits, as everywhere else the program writes exact forms.
const mpz_class kDisplayLimit("1000000000000000");

int signOf(const mpq_class& v) {
    return sgn(v) > 0 ? 1 : sgn(v) < 0 ? -1 : 0;
}

mpz_class powerOfTen(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

}  // namespace

SurdNumber::SurdNumber(const mpq_class& rational) : rational_(rational) {}

SurdNumber::SurdNumber(long whole) : rational_(whole) {}

SurdNumber::SurdNumber(const mpq_class& rational, const mpq_class& coefficient, const mpz_class& n)
    : rational_(rational), coefficient_(coefficient), radicand_(n) {
    settle();
}

void SurdNumber::settle() {
    if (coefficient_ == 0 || radicand_ <= 0) {
        coefficient_ = 0;
        radicand_ = 0;
        return;
    }
    const WholeRadical simple = RadicalReducer::reduce(radicand_);
    coefficient_ *= simple.m;
    radicand_ = simple.r;
    // Bounded work may leave a square undetected; a whole square folds in all the same.
    if (mpz_perfect_square_p(radicand_.get_mpz_t())) {
        rational_ += coefficient_ * mpz_class(sqrt(radicand_));
        coefficient_ = 0;
        radicand_ = 0;
    }
}

SurdNumber SurdNumber::simplified(const mpq_class& rational, const mpq_class& coefficient,
                                  const mpz_class& n) {
    SurdNumber result(rational);
    if (coefficient != 0) {
        result.coefficient_ = coefficient;
        result.radicand_ = n;
    }
    return result;
}

mpq_class SurdNumber::decimal(double value) {
    const SignificantDigits decimal = significantDigits(value, 15);
    if (decimal.digits.empty()) return 0;
    mpq_class result{mpz_class(decimal.digits)};
    if (decimal.negative) result = -result;
    const long e = decimal.exponent - static_cast<long>(decimal.digits.size()) + 1;
    if (e >= 0)
        result *= powerOfTen(static_cast<unsigned long>(e));
    else
        result /= powerOfTen(static_cast<unsigned long>(-e));
    result.canonicalize();
    return result;
}

SurdNumber SurdNumber::squareRoot(const mpq_class& value) {
    if (value <= 0) return {};
    // √(p/q) = √(p q) / q.
    const mpz_class& q = value.get_den();
    return {0, mpq_class(1, q), value.get_num() * q};
}

std::vector<SurdNumber> SurdNumber::quadraticRoots(const mpq_class& a, const mpq_class& b,
                                                   const mpq_class& c) {
    if (a == 0) {
        if (b == 0) return {};
        return {SurdNumber(mpq_class(-c / b))};
    }
    const mpq_class discriminant = b * b - 4 * a * c;
    const mpq_class middle = -b / (2 * a);
    if (discriminant < 0) return {};
    if (discriminant == 0) return {SurdNumber(middle)};
    const SurdNumber spread = squareRoot(discriminant) / SurdNumber(mpq_class(2 * abs(a)));
    return {SurdNumber(middle) - spread, SurdNumber(middle) + spread};
}

bool SurdNumber::sharesField(const SurdNumber& other) const {
    return isRational() || other.isRational() || radicand_ == other.radicand_;
}

void SurdNumber::requireSharedField(const SurdNumber& other) const {
    if (!sharesField(other)) throw std::invalid_argument("numbers with different roots");
}

int SurdNumber::sign() const {
    const int r = signOf(rational_);
    const int s = signOf(coefficient_);
    if (s == 0 || r == s) return r == 0 ? s : r;
    if (r == 0) return s;
    // The parts pull apart; the larger decides (they never cancel: n is not a square).
    return rational_ * rational_ > coefficient_ * coefficient_ * radicand_ ? r : s;
}

int SurdNumber::compare(const SurdNumber& other) const {
    if (sharesField(other)) return (*this - other).sign();
    const double a = toDouble();
    const double b = other.toDouble();
    return a < b ? -1 : a > b ? 1 : 0;
}

bool SurdNumber::operator==(const SurdNumber& other) const {
    return rational_ == other.rational_ && coefficient_ == other.coefficient_ &&
           radicand_ == other.radicand_;
}

SurdNumber SurdNumber::operator-() const {
    SurdNumber result = *this;
    result.rational_ = -rational_;
    result.coefficient_ = -coefficient_;
    return result;
}

SurdNumber SurdNumber::operator+(const SurdNumber& other) const {
    requireSharedField(other);
    const mpz_class& n = isRational() ? other.radicand_ : radicand_;
    return simplified(rational_ + other.rational_, coefficient_ + other.coefficient_, n);
}

SurdNumber SurdNumber::operator-(const SurdNumber& other) const {
    return *this + -other;
}

SurdNumber SurdNumber::operator*(const SurdNumber& other) const {
    requireSharedField(other);
    const mpz_class& n = isRational() ? other.radicand_ : radicand_;
    // (a + b√n)(c + d√n) = ac + bd n + (ad + bc)√n.
    return simplified(rational_ * other.rational_ + coefficient_ * other.coefficient_ * n,
                      rational_ * other.coefficient_ + coefficient_ * other.rational_, n);
}

SurdNumber SurdNumber::operator/(const SurdNumber& other) const {
    requireSharedField(other);
    if (other.sign() == 0) throw std::invalid_argument("division by zero");
    // Multiplying by the conjugate leaves the rational c² - d² n below.
    SurdNumber conjugate = other;
    conjugate.coefficient_ = -conjugate.coefficient_;
    const mpq_class norm = other.rational_ * other.rational_ -
                           other.coefficient_ * other.coefficient_ * other.radicand_;
    SurdNumber result = *this * conjugate;
    result.rational_ /= norm;
    result.coefficient_ /= norm;
    return result;
}

SurdNumber::Parts SurdNumber::parts() const {
    Parts p;
    p.denominator = lcm(rational_.get_den(), coefficient_.get_den());
    p.whole = rational_.get_num() * (p.denominator / rational_.get_den());
    p.root = coefficient_.get_num() * (p.denominator / coefficient_.get_den());
    return p;
}

double SurdNumber::toDouble() const {
    const Parts p = parts();
    const QuadraticNumber value(p.whole, sgn(p.root), p.root * p.root * radicand_, p.denominator);
    if (value.sign() == 0) return 0;
    return std::strtod(formatDigits(value.rounded(17), 17).c_str(), nullptr);
}

QString SurdNumber::decimalText() const {
    const Parts p = parts();
    return QString::fromStdString(
        QuadraticNumber(p.whole, sgn(p.root), p.root * p.root * radicand_, p.denominator).text());
}

bool SurdNumber::isCompact() const {
    const Parts p = parts();
    for (const mpz_class* part : {&p.whole, &p.root, &radicand_, &p.denominator})
        if (mpz_cmpabs(part->get_mpz_t(), kDisplayLimit.get_mpz_t()) >= 0) return false;
    return true;
}

QString SurdNumber::text() const {
    const Parts p = parts();
    const QString over =
        p.denominator == 1 ? QString()
                           : QStringLiteral("/") + QString::fromStdString(p.denominator.get_str());
    if (p.root == 0) return QString::fromStdString(p.whole.get_str()) + over;
    const mpz_class size = abs(p.root);
    const QString root = (size == 1 ? QString() : QString::fromStdString(size.get_str())) +
                         QChar(0x221A) + QString::fromStdString(radicand_.get_str());
    if (p.whole == 0) return (p.root < 0 ? QStringLiteral("-") : QString()) + root + over;
    const QString sum = QString::fromStdString(p.whole.get_str()) +
                        (p.root < 0 ? QLatin1Char('-') : QLatin1Char('+')) + root;
    return over.isEmpty() ? sum : QLatin1Char('(') + sum + QLatin1Char(')') + over;
}

}  // namespace zeto
