#include "tools/Mysqr.h"

#include "shell/SharedState.h"
#include "shell/Shell.h"

namespace zeto {
namespace {

double toDouble(double value) {
    return value;
}
double toDouble(const mpz_class& value) {
    return value.get_d();
}

template <typename Value>
auto reduceWhileBusy(Shell& shell, const Value& value)
    -> std::optional<decltype(RadicalReducer::reduce(value))> {
    shell.setStatus(QStringLiteral("计算中..."));
    if (!shell.yieldToEvents()) return std::nullopt;
    const auto result = RadicalReducer::reduce(value);
    shell.shared().sqrm = toDouble(result.m);
    shell.shared().sqrn = toDouble(result.r);
    shell.setStatus(QStringLiteral("就绪"));
    shell.soundout();
    return result;
}

}  // namespace

std::optional<Radical> mysqr(Shell& shell, double value) {
    return reduceWhileBusy(shell, value);
}

std::optional<WholeRadical> mysqr(Shell& shell, const mpz_class& value) {
    return reduceWhileBusy(shell, value);
}

}  // namespace zeto
