#pragma once

#include "script/core/ScriptError.h"

namespace zeto::script {

// An error of a user's formula, compiling or evaluating it, with the stretch of the text the
// user typed where the engine stopped: start and length in UTF-16 code units of that text, so
// that the field can select it. The start is -1 when the error arose outside the user's text
// (in a registered object, in code of another text, or in what the program added around the
// formula). A stretch of length 0 is a place between two characters, such as the end of the
// text for a formula that stops short.
class FormulaError : public ScriptError {
  public:
    FormulaError(Code code, const std::string& description, int start, int length)
        : ScriptError(code, description), start_(start), length_(start < 0 ? 0 : length) {}

    int start() const { return start_; }
    int length() const { return length_; }
    bool hasStretch() const { return start_ >= 0; }

  private:
    int start_;
    int length_;
};

}  // namespace zeto::script
