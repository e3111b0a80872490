#include "tools/Mysqr.h"

#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

namespace zeto {
namespace {

double toDouble(double value) {
    return value;
}
double toDouble(const mpz_class& value) {
    return value.get_d();
}

template <typename Value>
auto reduceWhileBusy(Shell& shell, const void* owner, const Value& value)
    -> std::optional<decltype(RadicalReducer::reduce(value))> {
    std::optional<decltype(RadicalReducer::reduce(value))> result;
    {
        BusyScope task(shell, owner, QStringLiteral("计算中..."), BusyScope::Lamp::Off);
        if (!task.yield()) return std::nullopt;
        result = RadicalReducer::reduce(value);
        shell.shared().sqrm = toDouble(result->m);
        shell.shared().sqrn = toDouble(result->r);
    }
    shell.soundout();
    return result;
}

}  // namespace

std::optional<Radical> mysqr(Shell& shell, const void* owner, double value) {
    return reduceWhileBusy(shell, owner, value);
}

std::optional<WholeRadical> mysqr(Shell& shell, const void* owner, const mpz_class& value) {
    return reduceWhileBusy(shell, owner, value);
}

}  // namespace zeto
