// Feeds arbitrary bytes to the formula fields' path as the text a user typed (read as UTF-8):
// textbook notation rewritten, compiled once on the host, evaluated at a few bound values. The
// only outcome allowed is a FormulaError whose stretch lies inside the user's text; anything
// else (another exception, a crash, a sanitizer report, a hang, runaway memory) is a finding.
//
// Build and run from the repository root like EngineFuzz (see fuzz/EngineFuzz.cpp):
//   cmake --build fuzz-build --target FormulaFuzz -j2
//   mkdir -p fuzz-build/corpus-formula
//   fuzz-build/fuzz/FormulaFuzz -max_total_time=600 -timeout=5 -rss_limit_mb=2048 \
//       -dict=fuzz/FormulaFuzz.dict fuzz-build/corpus-formula fuzz/corpus/formula

#include "platform/core/VbError.h"
#include "script/core/CompiledFormula.h"
#include "script/core/LiteralValue.h"
#include "script/core/ScriptHost.h"
#include "script/core/ScriptObject.h"
#include "script/core/TextbookNotation.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using zeto::script::CompiledFormula;
using zeto::script::FormulaError;
using zeto::script::Value;

// Accepts every method but "fail", which raises as a registered object may.
class FuzzObject : public zeto::script::ScriptObject {
  public:
    void call(std::string_view method, const std::vector<Value>&) override {
        if (method == "fail") throw zeto::VbError(zeto::VbError::TypeMismatch);
    }
};

void check(bool condition) {
    if (!condition) std::abort();
}

void checkStretch(const FormulaError& e, int userLength) {
    if (!e.hasStretch()) return;
    check(e.start() >= 0 && e.length() >= 0 && e.start() + e.length() <= userLength);
}

void evaluateAll(const CompiledFormula& formula, const std::vector<Value>& values, int userLength) {
    const std::size_t count = formula.variables().size();
    for (std::size_t first = 0; first + count <= values.size(); ++first) {
        try {
            (void)formula.evaluate(values.data() + first, count).toText();
        } catch (const FormulaError& e) {
            checkStretch(e, userLength);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int userLength = static_cast<int>(text.size());
    const zeto::script::RewrittenFormula rewritten = zeto::script::TextbookNotation::rewrite(text);
    check(rewritten.origins.size() == rewritten.text.size());
    for (const auto& origin : rewritten.origins)
        check(origin.start >= 0 && origin.length >= 0 &&
              origin.start + origin.length <= userLength);

    zeto::script::ScriptHost host;
    host.setTimeoutMs(200);
    FuzzObject object;
    host.AddObject("OBJsc", &object);
    const std::vector<Value> values{
        zeto::script::literalValue("0.5"), zeto::script::literalValue("-4.994764"),
        zeto::script::literalValue("-32768"), Value::integer(0), Value::string("1")};
    try {
        const CompiledFormula plot = CompiledFormula::function(host, text);
        evaluateAll(plot, values, userLength);
        for (const std::string& letter : plot.oneLetterNames()) (void)host.variable(letter);
        const CompiledFormula sliders(host, text, "fc", {"x", "a", "b"});
        evaluateAll(sliders, values, userLength);
        evaluateAll(CompiledFormula::calculator(host, text), values, userLength);
    } catch (const FormulaError& e) {
        checkStretch(e, userLength);
    }
    return 0;
}
