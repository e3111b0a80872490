#pragma once

#include "script/core/FormulaError.h"
#include "script/core/RewrittenFormula.h"
#include "script/core/Value.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace zeto::script {

class ScriptHost;
struct Procedure;

// A formula the user typed, compiled once and then evaluated as often as needed with its
// variables bound to values. The text, in textbook notation or the engine's language, becomes
// the body "Z=<formula>" of a procedure whose parameters are the variables, defined on the
// host as AddCode defines procedures: Procedures() lists it, it replaces an earlier one of the
// same name, and whatever else the text carries (procedures, statements outside them) is
// defined and run as AddCode would. Every error is a FormulaError locating it in the user's
// text.
class CompiledFormula {
  public:
    // Compiles `formula` as "Sub <procedure>(<variables>)" on `host`, which must outlive this.
    // Variable names are identifiers, in any letter case.
    CompiledFormula(ScriptHost& host, const QString& formula, const std::string& procedure,
                    std::vector<std::string> variables);

    // The function plot: x in "fc".
    static CompiledFormula function(ScriptHost& host, const QString& formula);
    // The user-defined sequence: n in "fc".
    static CompiledFormula sequence(ScriptHost& host, const QString& formula);
    // The calculator: no variable, in "eq".
    static CompiledFormula calculator(ScriptHost& host, const QString& formula);

    // Runs the procedure with the variables bound to `values`, in the order they were given,
    // and returns the value Z ends up with (Empty when the formula never assigned it). The
    // host's time limit applies to each evaluation. A count other than the number of
    // variables raises WrongArgumentCount.
    Value evaluate(const Value* values, std::size_t count) const;
    Value evaluate(std::initializer_list<Value> values) const {
        return evaluate(values.begin(), values.size());
    }
    Value evaluate(const Value& value) const { return evaluate(&value, 1); }

    const std::vector<std::string>& variables() const { return variables_; }
    // The one-letter names the formula uses besides its variables, lower case, in order of
    // first appearance ("A*sin(X)+B" in x gives a, b); names of procedures and registered
    // objects are not among them.
    const std::vector<std::string>& oneLetterNames() const { return letters_; }
    // The procedure text handed to the engine.
    const std::string& procedureText() const { return text_; }

  private:
    FormulaError located(const ScriptError& error) const;
    std::size_t offsetOf(int line, int column) const;
    bool isOwn(const Procedure* procedure) const;

    ScriptHost* host_;
    std::vector<std::string> variables_;
    std::string text_;
    // Where the rewritten formula starts in text_, and where its bytes came from.
    std::size_t formulaStart_ = 0;
    RewrittenFormula rewritten_;
    int userLength_ = 0;
    std::shared_ptr<const Procedure> procedure_;
    // Everything the text defined, so that an error can be told to have arisen in it.
    std::vector<std::shared_ptr<const Procedure>> own_;
    std::uint32_t resultSlot_ = 0;
    std::vector<std::string> letters_;
};

}  // namespace zeto::script
