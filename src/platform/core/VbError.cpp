#include "platform/core/VbError.h"

namespace zeto {

const char* VbError::describe(Code code) {
    switch (code) {
        case InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case Overflow:
            return "Overflow";
        case OutOfMemory:
            return "Out of memory";
        case DivisionByZero:
            return "Division by zero";
        case TypeMismatch:
            return "Type mismatch";
        case OutOfStringSpace:
            return "Out of string space";
        case OutOfStackSpace:
            return "Out of stack space";
        case SubNotDefined:
            return "Sub or Function not defined";
        case ObjectRequired:
            return "Object required";
        case ObjectDoesNotSupport:
            return "Object doesn't support this property or method";
        case WrongArgumentCount:
            return "Wrong number of arguments or invalid property assignment";
        case VariableUndefined:
            return "Variable is undefined";
        case IllegalAssignment:
            return "Illegal assignment";
        case SyntaxError:
            return "Syntax error";
        case ExpectedRightParen:
            return "Expected ')'";
        case ExpectedIdentifier:
            return "Expected identifier";
        case ExpectedEnd:
            return "Expected 'End'";
        case ExpectedSub:
            return "Expected 'Sub'";
        case ExpectedStatement:
            return "Expected statement";
        case ExpectedEndOfStatement:
            return "Expected end of statement";
        case IdentifierTooLong:
            return "Identifier too long";
        case InvalidNumber:
            return "Invalid number";
        case InvalidCharacter:
            return "Invalid character";
        case UnterminatedString:
            return "Unterminated string constant";
        case InvalidExit:
            return "Invalid 'exit' statement";
        case NameRedefined:
            return "Name redefined";
        case Timeout:
            return "Script timed out";
    }
    return "Unknown runtime error";
}

}  // namespace zeto
