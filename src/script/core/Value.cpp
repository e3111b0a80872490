#include "script/core/Value.h"

#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

namespace zeto::script {

Value Value::boolean(bool b) {
    Value v;
    v.type_ = Type::Boolean;
    v.number_ = b ? -1 : 0;
    return v;
}

Value Value::number(double d) {
    Value v;
    v.type_ = Type::Number;
    v.number_ = d;
    return v;
}

Value Value::string(std::string s) {
    Value v;
    v.type_ = Type::String;
    v.text_ = std::move(s);
    return v;
}

double Value::toNumber() const {
    switch (type_) {
        case Type::Empty: return 0;
        case Type::Boolean:
        case Type::Number: return number_;
        case Type::String: {
            auto n = strictNumber(text_);
            if (!n) throw VbError(VbError::TypeMismatch, "Type mismatch");
            return *n;
        }
    }
    return 0;
}

std::string Value::toText() const {
    switch (type_) {
        case Type::Empty: return std::string();
        case Type::Boolean: return number_ != 0 ? "True" : "False";
        case Type::Number: return formatNumber(number_);
        case Type::String: return text_;
    }
    return std::string();
}

}  // namespace zeto::script
