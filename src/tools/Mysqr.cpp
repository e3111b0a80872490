#include "tools/Mysqr.h"

#include "shell/SharedState.h"
#include "shell/Shell.h"
#include "shell/TaskFrame.h"

namespace zeto {

std::optional<Radical> mysqr(Shell& shell, const void* owner, double value) {
    Radical result;
    {
        BusyScope task(shell, owner, QStringLiteral("计算中..."), BusyScope::Lamp::Off);
        if (!task.yield()) return std::nullopt;
        result = RadicalReducer::reduce(value);
        shell.shared().sqrm = result.m;
        shell.shared().sqrn = result.r;
    }
    shell.soundout();
    return result;
}

}  // namespace zeto
