#include "script/core/CompiledFormula.h"

#include "script/core/CompiledText.h"
#include "script/core/Lexer.h"
#include "script/core/ScriptHost.h"
#include "script/core/TextbookNotation.h"

#include <algorithm>
#include <limits>
#include <new>

namespace zeto::script {

namespace {

constexpr std::string_view kBreak = "\r\n";

std::string lowerCase(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    }
    return s;
}

FormulaError unlocated(const VbError& error) {
    return FormulaError(error.code(), error.what(), -1, 0);
}

}  // namespace

CompiledFormula::CompiledFormula(ScriptHost& host, const QString& formula,
                                 const std::string& procedure, std::vector<std::string> variables)
    : host_(&host),
      variables_(std::move(variables)),
      rewritten_(TextbookNotation::rewrite(formula, variables_)),
      userLength_(static_cast<int>(formula.size())) {
    text_ = "Sub " + procedure + "(";
    for (std::size_t i = 0; i < variables_.size(); ++i) {
        if (i > 0) text_ += ", ";
        text_ += variables_[i];
    }
    text_ += ")";
    text_ += kBreak;
    text_ += "Z=";
    formulaStart_ = text_.size();
    text_ += rewritten_.text;
    text_ += kBreak;
    text_ += "End Sub";

    CompiledText compiled;
    try {
        compiled = ScriptHost::compile(text_);
    } catch (const ScriptError& e) {
        throw located(e);
    }
    // The text starts with the procedure, so it is the first one defined.
    procedure_ = compiled.procedures.front();
    own_ = compiled.procedures;
    if (compiled.module) own_.push_back(compiled.module);
    const auto& names = procedure_->names;
    const auto z = std::find(names.begin(), names.end(), "z");
    resultSlot_ = z == names.end() ? std::numeric_limits<std::uint32_t>::max()
                                   : static_cast<std::uint32_t>(z - names.begin());

    try {
        host_->define(compiled);
    } catch (const ScriptError& e) {
        throw located(e);
    } catch (const VbError& e) {
        throw unlocated(e);
    }

    std::vector<std::string> bound;
    for (const std::string& v : variables_) bound.push_back(lowerCase(v));
    for (const std::string& letter : rewritten_.letters) {
        if (std::find(bound.begin(), bound.end(), letter) == bound.end() &&
            !host_->hasProcedure(letter) && !host_->hasObject(letter)) {
            letters_.push_back(letter);
        }
    }
}

CompiledFormula CompiledFormula::function(ScriptHost& host, const QString& formula) {
    return CompiledFormula(host, formula, "fc", {"x"});
}

CompiledFormula CompiledFormula::sequence(ScriptHost& host, const QString& formula) {
    return CompiledFormula(host, formula, "fc", {"n"});
}

CompiledFormula CompiledFormula::calculator(ScriptHost& host, const QString& formula) {
    return CompiledFormula(host, formula, "eq", {});
}

Value CompiledFormula::evaluate(const Value* values, std::size_t count) const {
    try {
        return host_->evaluate(procedure_, values, count, resultSlot_);
    } catch (const ScriptError& e) {
        throw located(e);
    } catch (const VbError& e) {
        throw unlocated(e);
    } catch (const std::bad_alloc&) {
        throw unlocated(VbError(VbError::OutOfMemory));
    }
}

// The token the engine stopped at, as a stretch of the user's text: the engine's position
// counts lines and bytes of the procedure text, which holds the formula rewritten.
FormulaError CompiledFormula::located(const ScriptError& error) const {
    if (!error.hasPosition() || (error.procedure() && !isOwn(error.procedure())))
        return unlocated(error);
    const std::size_t offset = offsetOf(error.line(), error.column());
    const std::size_t formulaEnd = formulaStart_ + rewritten_.text.size();
    if (offset < formulaStart_ || offset > formulaEnd) return unlocated(error);
    if (offset == formulaEnd) return FormulaError(error.code(), error.what(), userLength_, 0);
    const std::size_t first = offset - formulaStart_;
    const std::size_t length = std::max<std::size_t>(Lexer::tokenLength(text_, offset), 1);
    const SourceSpan span = rewritten_.userSpan(first, first + length);
    return FormulaError(error.code(), error.what(), span.start, span.length);
}

// The byte offset of a 1-based line and column, counting line breaks as the lexer does.
std::size_t CompiledFormula::offsetOf(int line, int column) const {
    std::size_t lineStart = 0;
    for (int l = 1; l < line; ++l) {
        const std::size_t lineBreak = text_.find_first_of("\r\n", lineStart);
        if (lineBreak == std::string::npos) return std::string::npos;
        lineStart = lineBreak + (text_.compare(lineBreak, 2, kBreak) == 0 ? 2 : 1);
    }
    return lineStart + static_cast<std::size_t>(std::max(column, 1) - 1);
}

bool CompiledFormula::isOwn(const Procedure* procedure) const {
    return std::any_of(own_.begin(), own_.end(),
                       [procedure](const auto& own) { return own.get() == procedure; });
}

}  // namespace zeto::script
