#include "script/core/Operators.h"

#include "script/core/Numeric.h"
#include "script/core/ScriptError.h"

#include <cmath>
#include <cstdint>

namespace zeto::script {

namespace {

using Subtype = Value::Subtype;

// The subtype in which + - * compute: Integer, Long, Single or Double.
Subtype arithmeticType(const Value& a, const Value& b) {
    auto widen = [](const Value& v) {
        switch (v.subtype()) {
            case Subtype::Empty:
            case Subtype::Boolean:
            case Subtype::Integer:
                return Subtype::Integer;
            case Subtype::Long:
                return Subtype::Long;
            case Subtype::Single:
                return Subtype::Single;
            default:
                return Subtype::Double;
        }
    };
    Subtype x = widen(a);
    Subtype y = widen(b);
    if ((x == Subtype::Single && y == Subtype::Long) ||
        (x == Subtype::Long && y == Subtype::Single)) {
        return Subtype::Double;
    }
    return x > y ? x : y;
}

enum class Arith { Add, Subtract, Multiply };

Value arithmetic(Arith op, const Value& a, const Value& b) {
    double x = Numeric::toDouble(a);
    double y = Numeric::toDouble(b);
    double r = op == Arith::Add ? x + y : op == Arith::Subtract ? x - y : x * y;
    return Numeric::fit(arithmeticType(a, b), r);
}

struct WholeOperands {
    std::int32_t x;
    std::int32_t y;
    bool shortResult;
};

WholeOperands wholeOperands(const Value& a, const Value& b) {
    return {Numeric::toLong(a), Numeric::toLong(b), Numeric::isShort(a) && Numeric::isShort(b)};
}

Value wholeResult(std::int64_t r, bool shortResult) {
    if (shortResult && r >= -32768 && r <= 32767)
        return Value::integer(static_cast<std::int16_t>(r));
    if (r < INT32_MIN || r > INT32_MAX) throw ScriptError::standard(VbError::Overflow);
    return Value::longInteger(static_cast<std::int32_t>(r));
}

// Strings serve labels and messages here, never bulk data; the bound keeps a script that
// doubles a string over and over from taking the machine's memory.
constexpr std::size_t kMaxTextLength = 1u << 20;

Value joined(const std::string& a, const std::string& b) {
    if (a.size() + b.size() > kMaxTextLength)
        throw ScriptError::standard(VbError::OutOfStringSpace);
    std::string text;
    text.reserve(a.size() + b.size());
    text += a;
    text += b;
    return Value::string(std::move(text));
}

bool isSingleFriendly(const Value& v) {
    return v.subtype() == Subtype::Single || Numeric::isShort(v);
}

}  // namespace

Value Operators::add(const Value& a, const Value& b) {
    if (a.isString() && b.isString()) return joined(a.text(), b.text());
    if (a.isEmpty() && b.isString()) return b;
    if (b.isEmpty() && a.isString()) return a;
    return arithmetic(Arith::Add, a, b);
}

Value Operators::subtract(const Value& a, const Value& b) {
    return arithmetic(Arith::Subtract, a, b);
}

Value Operators::multiply(const Value& a, const Value& b) {
    return arithmetic(Arith::Multiply, a, b);
}

Value Operators::divide(const Value& a, const Value& b) {
    double x = Numeric::toDouble(a);
    double y = Numeric::toDouble(b);
    if (y == 0) throw ScriptError::standard(VbError::DivisionByZero);
    double r = x / y;
    bool single = (a.subtype() == Subtype::Single || b.subtype() == Subtype::Single) &&
                  isSingleFriendly(a) && isSingleFriendly(b);
    return single ? Numeric::fitSingle(r) : Numeric::makeDouble(r);
}

Value Operators::intDivide(const Value& a, const Value& b) {
    WholeOperands w = wholeOperands(a, b);
    if (w.y == 0) throw ScriptError::standard(VbError::DivisionByZero);
    return wholeResult(static_cast<std::int64_t>(w.x) / w.y, w.shortResult);
}

Value Operators::modulo(const Value& a, const Value& b) {
    WholeOperands w = wholeOperands(a, b);
    if (w.y == 0) throw ScriptError::standard(VbError::DivisionByZero);
    return wholeResult(static_cast<std::int64_t>(w.x) % w.y, w.shortResult);
}

Value Operators::power(const Value& a, const Value& b) {
    double x = Numeric::toDouble(a);
    double y = Numeric::toDouble(b);
    // A negative base has no real power for a fractional exponent, and zero none for a
    // negative one.
    if ((x < 0 && y != std::floor(y)) || (x == 0 && y < 0)) {
        throw ScriptError::standard(VbError::InvalidProcedureCall);
    }
    return Numeric::makeDouble(std::pow(x, y));
}

Value Operators::concat(const Value& a, const Value& b) {
    if (a.isString() && b.isString()) return joined(a.text(), b.text());
    return joined(a.toText(), b.toText());
}

Value Operators::negate(const Value& a) {
    switch (a.subtype()) {
        case Subtype::Empty:
            return Value::integer(0);
        case Subtype::Boolean:
        case Subtype::Integer:
            return Numeric::fitInteger(-a.raw());
        case Subtype::Long:
            return Numeric::fitLong(-a.raw());
        case Subtype::Single:
            return Value::single(static_cast<float>(-a.raw()));
        default:
            return Numeric::makeDouble(-Numeric::toDouble(a));
    }
}

int Operators::compare(const Value& a, const Value& b) {
    bool aText = a.isString() || (a.isEmpty() && b.isString());
    bool bText = b.isString() || (b.isEmpty() && a.isString());
    if (aText && bText) {
        int c = a.text().compare(b.text());
        return c < 0 ? -1 : c > 0 ? 1 : 0;
    }
    if (aText) return 1;
    if (bText) return -1;
    double x = a.raw();
    double y = b.raw();
    return x < y ? -1 : x > y ? 1 : 0;
}

Value Operators::logic(Logic op, const Value& a, const Value& b) {
    bool booleans = a.subtype() == Subtype::Boolean && b.subtype() == Subtype::Boolean;
    WholeOperands w = wholeOperands(a, b);
    std::int32_t r = 0;
    switch (op) {
        case Logic::And:
            r = w.x & w.y;
            break;
        case Logic::Or:
            r = w.x | w.y;
            break;
        case Logic::Xor:
            r = w.x ^ w.y;
            break;
        case Logic::Eqv:
            r = ~(w.x ^ w.y);
            break;
        case Logic::Imp:
            r = ~w.x | w.y;
            break;
    }
    if (booleans) return Value::boolean(r != 0);
    return wholeResult(r, w.shortResult);
}

Value Operators::logicalNot(const Value& a) {
    if (a.subtype() == Subtype::Boolean) return Value::boolean(a.raw() == 0);
    std::int32_t r = ~Numeric::toLong(a);
    return wholeResult(r, Numeric::isShort(a));
}

}  // namespace zeto::script
