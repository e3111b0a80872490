#include "script/core/ScriptError.h"

namespace zeto::script {

ScriptError ScriptError::standard(Code code, std::string_view name) {
    std::string text = describe(code);
    if (!name.empty()) {
        text += ": '";
        text += name;
        text += '\'';
    }
    return ScriptError(code, text);
}

}  // namespace zeto::script
