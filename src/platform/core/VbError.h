#pragma once

#include <stdexcept>
#include <string>

namespace zeto {

// The one error type that commands trap: a run-time error with its classic error number.
// The expression engine, the drawing surface and the calculation code all raise it, so a
// command's trap can report any of them the same way.
class VbError : public std::runtime_error {
  public:
    enum Code {
        InvalidProcedureCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        DivisionByZero = 11,
        TypeMismatch = 13,
        OutOfStackSpace = 28,
        ObjectDoesNotSupport = 438,
        WrongArgumentCount = 450,
        SyntaxError = 1002,
        ExpectedStatement = 1024,
        Timeout = 1400,
        VariableUndefined = 500,
    };

    VbError(int code, const std::string& description)
        : std::runtime_error(description), code_(code) {}

    int code() const { return code_; }

  private:
    int code_;
};

}  // namespace zeto
