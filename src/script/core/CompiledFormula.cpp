#include "script/core/CompiledFormula.h"

#include "platform/core/NumberText.h"

namespace zeto::script {

Value literalValue(std::string_view numberText) {
    return Value::number(leadingNumber(numberText));
}

CompiledFormula::CompiledFormula(ScriptHost& host, const QString& text, std::string_view name,
                                 std::vector<std::string> variables)
    : host_(host), text_(text.toStdString()), name_(name), variables_(std::move(variables)) {}

Value CompiledFormula::evaluate(const std::vector<Value>&) const {
    throw FormulaError(VbError::SyntaxError, "not yet", -1, 0);
}

}  // namespace zeto::script
