#pragma once

#include <cstdint>
#include <string>

namespace zeto::script {

// A script value: Empty, Boolean, a number or a string. Numbers keep the classic variant
// subtype (Integer, Long, Single, Double) because it decides overflow, the result type of
// integer operators and the number of digits in the text form.
class Value {
  public:
    enum class Type { Empty, Boolean, Number, String };
    enum class Subtype { Empty, Boolean, Integer, Long, Single, Double, String };

    Value() = default;
    static Value boolean(bool b);
    // A Double.
    static Value number(double d);
    static Value string(std::string s);
    static Value integer(std::int16_t i);
    static Value longInteger(std::int32_t i);
    static Value single(float f);

    Type type() const;
    Subtype subtype() const { return subtype_; }
    bool isEmpty() const { return subtype_ == Subtype::Empty; }
    bool isString() const { return subtype_ == Subtype::String; }
    // Boolean, Integer, Long, Single or Double.
    bool isNumeric() const { return type() == Type::Number || subtype_ == Subtype::Boolean; }

    // The value as a number: Empty is 0, True is -1, a numeric string its number.
    // Throws VbError(TypeMismatch) for a string that is not a number.
    double toNumber() const;
    // The value's text form: Double as formatNumber() writes it, Single as formatSingle(),
    // "True"/"False", the string itself, "" for Empty.
    std::string toText() const;
    // The stored number of a numeric value (0 for Empty and strings), without conversion.
    double raw() const { return number_; }
    const std::string& text() const { return text_; }
    // "Empty", "Boolean", "Integer", "Long", "Single", "Double" or "String".
    const char* typeName() const;

  private:
    Subtype subtype_ = Subtype::Empty;
    double number_ = 0;
    std::string text_;
};

}  // namespace zeto::script
