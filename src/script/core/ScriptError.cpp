#include "script/core/ScriptError.h"

namespace zeto::script {

namespace {

const char* describe(int code) {
    switch (code) {
        case VbError::InvalidProcedureCall:
            return "Invalid procedure call or argument";
        case VbError::Overflow:
            return "Overflow";
        case VbError::OutOfMemory:
            return "Out of memory";
        case VbError::DivisionByZero:
            return "Division by zero";
        case 14:
            return "Out of string space";
        case VbError::TypeMismatch:
            return "Type mismatch";
        case VbError::OutOfStackSpace:
            return "Out of stack space";
        case 35:
            return "Sub or Function not defined";
        case 424:
            return "Object required";
        case VbError::ObjectDoesNotSupport:
            return "Object doesn't support this property or method";
        case VbError::WrongArgumentCount:
            return "Wrong number of arguments or invalid property assignment";
        case 501:
            return "Illegal assignment";
        case VbError::Timeout:
            return "Script timed out";
        case VbError::SyntaxError:
            return "Syntax error";
        default:
            return "Unknown runtime error";
    }
}

}  // namespace

ScriptError ScriptError::standard(int code, std::string_view name) {
    std::string text = describe(code);
    if (!name.empty()) {
        text += ": '";
        text += name;
        text += '\'';
    }
    return ScriptError(code, text);
}

}  // namespace zeto::script
