#pragma once

#include "platform/core/VbError.h"

#include <string>
#include <string_view>

namespace zeto::script {

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
    void setPosition(int line, int column) {
        line_ = line;
        column_ = column;
    }

  private:
    int line_;
    int column_;
};

}  // namespace zeto::script
