#pragma once

// Stand-in until the engine's compiled formulas land.
#include "script/core/FormulaError.h"
#include "script/core/ScriptHost.h"
#include "script/core/Value.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace zeto::script {

Value literalValue(std::string_view numberText);

class CompiledFormula {
  public:
    CompiledFormula(ScriptHost& host, const QString& text, std::string_view name,
                    std::vector<std::string> variables);
    Value evaluate(const std::vector<Value>& bound) const;

  private:
    ScriptHost& host_;
    std::string text_;
    std::string name_;
    std::vector<std::string> variables_;
};

}  // namespace zeto::script
