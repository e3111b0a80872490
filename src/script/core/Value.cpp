#include "script/core/Value.h"

#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

namespace zeto::script {

Value Value::boolean(bool b) {
    Value v;
    v.subtype_ = Subtype::Boolean;
    v.number_ = b ? -1 : 0;
    return v;
}

Value Value::number(double d) {
    Value v;
    v.subtype_ = Subtype::Double;
    v.number_ = d;
    return v;
}

Value Value::string(std::string s) {
    Value v;
    v.subtype_ = Subtype::String;
    v.text_ = std::move(s);
    return v;
}

Value Value::integer(std::int16_t i) {
    Value v;
    v.subtype_ = Subtype::Integer;
    v.number_ = i;
    return v;
}

Value Value::longInteger(std::int32_t i) {
    Value v;
    v.subtype_ = Subtype::Long;
    v.number_ = i;
    return v;
}

Value Value::single(float f) {
    Value v;
    v.subtype_ = Subtype::Single;
    v.number_ = f;
    return v;
}

Value::Type Value::type() const {
    switch (subtype_) {
        case Subtype::Empty:
            return Type::Empty;
        case Subtype::Boolean:
            return Type::Boolean;
        case Subtype::String:
            return Type::String;
        default:
            return Type::Number;
    }
}

double Value::toNumber() const {
    switch (subtype_) {
        case Subtype::Empty:
            return 0;
        case Subtype::String: {
            auto n = strictNumber(text_);
            if (!n) throw VbError(VbError::TypeMismatch);
            return *n;
        }
        default:
            return number_;
    }
}

std::string Value::toText() const {
    switch (subtype_) {
        case Subtype::Empty:
            return std::string();
        case Subtype::Boolean:
            return number_ != 0 ? "True" : "False";
        case Subtype::Single:
            return formatSingle(static_cast<float>(number_));
        case Subtype::String:
            return text_;
        default:
            return formatNumber(number_);
    }
}

const char* Value::typeName() const {
    switch (subtype_) {
        case Subtype::Empty:
            return "Empty";
        case Subtype::Boolean:
            return "Boolean";
        case Subtype::Integer:
            return "Integer";
        case Subtype::Long:
            return "Long";
        case Subtype::Single:
            return "Single";
        case Subtype::Double:
            return "Double";
        case Subtype::String:
            return "String";
    }
    return "Empty";
}

}  // namespace zeto::script
