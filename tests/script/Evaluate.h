#pragma once

#include "RecordingObject.h"

#include "platform/core/VbError.h"
#include "script/core/ScriptHost.h"
#include "script/core/Value.h"

#include <string>

namespace zeto::test {

// Runs `Z=<expression>` through a fresh engine, as the calculator does, and returns the
// value handed to the callback.
inline script::Value evaluate(const std::string& expression) {
    script::ScriptHost host;
    RecordingObject callback;
    host.AddObject("OBJsc", &callback);
    host.AddCode("Sub eq()\r\nZ=" + expression + "\r\ncall OBJsc.SS(Z)\r\nEnd Sub");
    host.Run("eq");
    return callback.calls.at(0).args.at(0);
}

// The error code the expression raises, 0 when it evaluates.
inline int errorCode(const std::string& expression) {
    try {
        evaluate(expression);
    } catch (const VbError& e) {
        return e.code();
    }
    return 0;
}

}  // namespace zeto::test
