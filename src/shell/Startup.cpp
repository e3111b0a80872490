#include "shell/Startup.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"
#include "shell/Form1.h"

namespace zeto {

std::unique_ptr<Form1> startZeto(Platform& platform, SingleInstance& instance) {
    if (!instance.tryAcquire()) {
        platform.dialogs.message(nullptr, QStringLiteral("程序已运行"), Dialogs::Icon::None);
        return nullptr;
    }
    auto form1 = std::make_unique<Form1>(platform);
    form1->show();
    return form1;
}

}  // namespace zeto
