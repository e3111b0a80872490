#include "script/core/Builtins.h"

#include "platform/core/NumberText.h"
#include "script/core/Numeric.h"
#include "script/core/Randomizer.h"
#include "script/core/ScriptError.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace zeto::script {

namespace {

using Subtype = Value::Subtype;

enum Id {
    Abs,
    Atn,
    Cos,
    Exp,
    Fix,
    Int,
    Log,
    Round,
    Sgn,
    Sin,
    Sqr,
    Tan,
    Rnd,
    CDbl,
    CInt,
    CLng,
    CSng,
    CStr,
    Hex,
    Oct,
    TypeName,
};

struct Entry {
    std::string_view name;
    unsigned char minArgs;
    unsigned char maxArgs;
};

constexpr std::array<Entry, 21> kFunctions{{
    {"Abs", 1, 1},      {"Atn", 1, 1},  {"Cos", 1, 1},   {"Exp", 1, 1},  {"Fix", 1, 1},
    {"Int", 1, 1},      {"Log", 1, 1},  {"Round", 1, 2}, {"Sgn", 1, 1},  {"Sin", 1, 1},
    {"Sqr", 1, 1},      {"Tan", 1, 1},  {"Rnd", 0, 1},   {"CDbl", 1, 1}, {"CInt", 1, 1},
    {"CLng", 1, 1},     {"CSng", 1, 1}, {"CStr", 1, 1},  {"Hex", 1, 1},  {"Oct", 1, 1},
    {"TypeName", 1, 1},
}};

bool sameName(std::string_view canonical, std::string_view name) {
    if (canonical.size() != name.size() || (canonical[0] | 0x20) != (name[0] | 0x20)) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        char a = canonical[i];
        char b = name[i];
        if (a == b) continue;
        // Letters only differ by case in the 0x20 bit; the names hold nothing but letters.
        if ((a | 0x20) != (b | 0x20) || (b | 0x20) < 'a' || (b | 0x20) > 'z') return false;
    }
    return true;
}

[[noreturn]] void invalidArgument() {
    throw ScriptError::standard(VbError::InvalidProcedureCall);
}

// Abs, Fix, Int and Round keep an argument's numeric subtype; Empty and Boolean become
// Integer and strings Double.
Value sameSubtype(const Value& v, double result) {
    const bool shortType = v.subtype() == Subtype::Empty || v.subtype() == Subtype::Boolean;
    return Numeric::fit(shortType ? Subtype::Integer : v.subtype(), result);
}

double roundTo(double x, std::int32_t digits) {
    if (digits < 0) invalidArgument();
    if (digits == 0) return Numeric::roundHalfEven(x);
    if (digits > 22) return x;
    double scale = std::pow(10.0, digits);
    double scaled = x * scale;
    // Past 2^52 a double has no fraction left to round.
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) return x;
    return Numeric::roundHalfEven(scaled) / scale;
}

std::string radixText(const Value& v, int bitsPerDigit) {
    std::int32_t n = Numeric::toLong(v);
    std::uint32_t u = static_cast<std::uint32_t>(n);
    // Integers show their 16-bit pattern, everything else its 32-bit one.
    if (n < 0 && Numeric::isShort(v)) u &= 0xFFFFu;
    const char* digits = "0123456789ABCDEF";
    std::uint32_t mask = (1u << bitsPerDigit) - 1;
    std::string text;
    do {
        text.insert(text.begin(), digits[u & mask]);
        u >>= bitsPerDigit;
    } while (u != 0);
    return text;
}

}  // namespace

int Builtins::find(std::string_view name) {
    for (size_t i = 0; i < kFunctions.size(); ++i) {
        if (sameName(kFunctions[i].name, name)) return static_cast<int>(i);
    }
    return -1;
}

const char* Builtins::name(int id) {
    return kFunctions[static_cast<size_t>(id)].name.data();
}

bool Builtins::acceptsCount(int id, std::size_t count) {
    const Entry& e = kFunctions[static_cast<size_t>(id)];
    return count >= e.minArgs && count <= e.maxArgs;
}

Value Builtins::call(int id, const Value* args, std::size_t count, Randomizer& random) {
    if (id == Rnd) return Value::single(random.next(count > 0 ? Numeric::toDouble(args[0]) : 1.0));
    const Value& v = args[0];
    switch (id) {
        case Abs:
            return sameSubtype(v, std::fabs(Numeric::toDouble(v)));
        case Atn:
            return Numeric::makeDouble(std::atan(Numeric::toDouble(v)));
        case Cos:
            return Numeric::makeDouble(std::cos(Numeric::toDouble(v)));
        case Exp:
            return Numeric::makeDouble(std::exp(Numeric::toDouble(v)));
        case Fix:
            return sameSubtype(v, std::trunc(Numeric::toDouble(v)));
        case Int:
            return sameSubtype(v, std::floor(Numeric::toDouble(v)));
        case Log: {
            double x = Numeric::toDouble(v);
            if (!(x > 0)) invalidArgument();
            return Numeric::makeDouble(std::log(x));
        }
        case Round: {
            std::int32_t digits = count > 1 ? Numeric::toLong(args[1]) : 0;
            return sameSubtype(v, roundTo(Numeric::toDouble(v), digits));
        }
        case Sgn: {
            double x = Numeric::toDouble(v);
            return Value::integer(static_cast<std::int16_t>(x > 0 ? 1 : x < 0 ? -1 : 0));
        }
        case Sin:
            return Numeric::makeDouble(std::sin(Numeric::toDouble(v)));
        case Sqr: {
            double x = Numeric::toDouble(v);
            if (x < 0) invalidArgument();
            return Numeric::makeDouble(std::sqrt(x));
        }
        case Tan:
            return Numeric::makeDouble(std::tan(Numeric::toDouble(v)));
        case CDbl:
            return Numeric::makeDouble(Numeric::toDouble(v));
        case CInt: {
            std::int32_t n = Numeric::toLong(v);
            if (n < -32768 || n > 32767) throw ScriptError::standard(VbError::Overflow);
            return Value::integer(static_cast<std::int16_t>(n));
        }
        case CLng:
            return Value::longInteger(Numeric::toLong(v));
        case CSng: {
            double x = Numeric::toDouble(v);
            float f = toSingle(x);
            if (!std::isfinite(f)) throw ScriptError::standard(VbError::Overflow);
            return Value::single(f);
        }
        case CStr:
            return Value::string(v.toText());
        case Hex:
            return Value::string(radixText(v, 4));
        case Oct:
            return Value::string(radixText(v, 3));
        case TypeName:
            return Value::string(v.typeName());
        default:
            break;
    }
    return Value();
}

}  // namespace zeto::script
