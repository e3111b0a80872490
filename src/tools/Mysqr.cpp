#include "tools/Mysqr.h"

#include "shell/SharedState.h"
#include "shell/Shell.h"

namespace zeto {

std::optional<Radical> mysqr(Shell& shell, double value) {
    shell.setStatus(QStringLiteral("计算中..."));
    if (!shell.yieldToEvents()) return std::nullopt;
    const Radical result = RadicalReducer::reduce(value);
    shell.shared().sqrm = result.m;
    shell.shared().sqrn = result.r;
    shell.setStatus(QStringLiteral("就绪"));
    shell.soundout();
    return result;
}

}  // namespace zeto
