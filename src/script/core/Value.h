#pragma once

#include <string>

namespace zeto::script {

// A script value: Empty, Boolean, a number or a string.
class Value {
public:
    enum class Type { Empty, Boolean, Number, String };

    Value() = default;
    static Value boolean(bool b);
    static Value number(double d);
    static Value string(std::string s);

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }

    // The value as a number: Empty is 0, True is -1, a numeric string its number.
    // Throws VbError(TypeMismatch) for a string that is not a number.
    double toNumber() const;
    // The value's text form: numbers as formatNumber() writes them, "True"/"False", the
    // string itself, "" for Empty.
    std::string toText() const;

private:
    Type type_ = Type::Empty;
    double number_ = 0;
    std::string text_;
};

}  // namespace zeto::script
