#include "script/core/Numeric.h"

#include "platform/core/NumberText.h"
#include "script/core/ScriptError.h"

#include <cmath>
#include <limits>

namespace zeto::script {

double Numeric::toDouble(const Value& v) {
    if (v.isString()) {
        auto n = strictNumber(v.text());
        if (!n) throw ScriptError::standard(VbError::TypeMismatch);
        return *n;
    }
    return v.raw();
}

double Numeric::roundHalfEven(double x) {
    double lower = std::floor(x);
    double fraction = x - lower;
    if (fraction > 0.5) return lower + 1;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

std::int32_t Numeric::toLong(double x) {
    double r = roundHalfEven(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw ScriptError::standard(VbError::Overflow);
    return static_cast<std::int32_t>(r);
}

std::int32_t Numeric::toLong(const Value& v) {
    return toLong(toDouble(v));
}

bool Numeric::isShort(const Value& v) {
    auto s = v.subtype();
    return s == Value::Subtype::Empty || s == Value::Subtype::Boolean ||
           s == Value::Subtype::Integer;
}

Value Numeric::makeDouble(double x) {
    if (!std::isfinite(x)) throw ScriptError::standard(VbError::Overflow);
    return Value::number(x);
}

Value Numeric::fitInteger(double x) {
    if (x >= -32768 && x <= 32767) return Value::integer(static_cast<std::int16_t>(x));
    return fitLong(x);
}

Value Numeric::fitLong(double x) {
    if (x >= -2147483648.0 && x <= 2147483647.0) {
        return Value::longInteger(static_cast<std::int32_t>(x));
    }
    return makeDouble(x);
}

Value Numeric::fit(Value::Subtype type, double x) {
    using Subtype = Value::Subtype;
    switch (type) {
        case Subtype::Integer:
            return fitInteger(x);
        case Subtype::Long:
            return fitLong(x);
        case Subtype::Single:
            return fitSingle(x);
        default:
            return makeDouble(x);
    }
}

Value Numeric::fitSingle(double x) {
    if (!std::isfinite(x)) throw ScriptError::standard(VbError::Overflow);
    float f = toSingle(x);
    if (std::isinf(f)) return makeDouble(x);
    return Value::single(f);
}

}  // namespace zeto::script
