#pragma once

#include <stdexcept>
#include <string>

namespace zeto {

// The one error type that commands trap: a run-time error with its classic error number.
// The expression engine, the drawing surface and the calculation code all raise it, so a
// command's trap can report any of them the same way.
class VbError : public std::runtime_error {
  public:
    // Every error number the program raises. The numbers are the classic ones, so that an
    // error reads the same as users of the scripting language know it.
    enum Code {
        InvalidProcedureCall = 5,
        Overflow = 6,
        OutOfMemory = 7,
        DivisionByZero = 11,
        TypeMismatch = 13,
        OutOfStringSpace = 14,
        OutOfStackSpace = 28,
        SubNotDefined = 35,
        ObjectRequired = 424,
        ObjectDoesNotSupport = 438,
        WrongArgumentCount = 450,
        VariableUndefined = 500,
        IllegalAssignment = 501,
        SyntaxError = 1002,
        ExpectedRightParen = 1006,
        ExpectedIdentifier = 1010,
        ExpectedEnd = 1014,
        ExpectedSub = 1016,
        ExpectedStatement = 1024,
        ExpectedEndOfStatement = 1025,
        IdentifierTooLong = 1030,
        InvalidNumber = 1031,
        InvalidCharacter = 1032,
        UnterminatedString = 1033,
        InvalidExit = 1039,
        NameRedefined = 1041,
        Timeout = 1400,
    };

    VbError(Code code, const std::string& description)
        : std::runtime_error(description), code_(code) {}
    // The error with its usual description.
    explicit VbError(Code code) : VbError(code, describe(code)) {}

    Code code() const { return code_; }

    static const char* describe(Code code);

  private:
    Code code_;
};

}  // namespace zeto
