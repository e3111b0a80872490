#include "tools/RadicalReduction.h"

#include "shell/TaskFrame.h"
#include "shell/TaskHost.h"

namespace zeto {
namespace {

template <typename Value>
auto reduceWhileBusy(TaskHost& host, const void* owner, const Value& value)
    -> std::optional<decltype(RadicalReducer::reduce(value))> {
    std::optional<decltype(RadicalReducer::reduce(value))> result;
    {
        BusyScope task(host, owner, QStringLiteral("计算中..."), BusyScope::Lamp::Off);
        if (!task.yield()) return std::nullopt;
        result = RadicalReducer::reduce(value);
    }
    host.playCompletionSound();
    return result;
}

}  // namespace

std::optional<Radical> reduceRadical(TaskHost& host, const void* owner, double value) {
    return reduceWhileBusy(host, owner, value);
}

std::optional<WholeRadical> reduceRadical(TaskHost& host, const void* owner,
                                          const mpz_class& value) {
    return reduceWhileBusy(host, owner, value);
}

}  // namespace zeto
