#pragma once

#include "platform/core/VbError.h"

#include <string>
#include <string_view>

namespace zeto::script {

struct Procedure;

// An error raised by the engine itself, with the position (1-based line and column) of the
// text where it arose. Errors raised by registered objects pass through unchanged.
class ScriptError : public VbError {
  public:
    ScriptError(Code code, const std::string& description, int line = 0, int column = 0)
        : VbError(code, description), line_(line), column_(column) {}

    // The error with its usual description, naming `name` when given ("Type mismatch: 'si'").
    static ScriptError standard(Code code, std::string_view name = {});

    int line() const { return line_; }
    int column() const { return column_; }
    bool hasPosition() const { return line_ > 0; }
    // `procedure` is the compiled procedure whose code raised the error; its position refers to
    // the text that procedure came from.
    void setPosition(int line, int column, const Procedure* procedure = nullptr) {
        line_ = line;
        column_ = column;
        procedure_ = procedure;
    }
    // Null for errors found while compiling, whose position is in the text being compiled.
    // Only good for comparing with procedures the caller keeps alive.
    const Procedure* procedure() const { return procedure_; }

  private:
    int line_;
    int column_;
    const Procedure* procedure_ = nullptr;
};

}  // namespace zeto::script
