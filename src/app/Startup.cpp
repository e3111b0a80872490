#include "app/Startup.h"

#include "app/MainWindow.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"

namespace zeto {

std::unique_ptr<MainWindow> startZeto(Platform& platform, SingleInstance& instance) {
    if (!instance.tryAcquire()) {
        platform.dialogs.message(nullptr, QStringLiteral("程序已运行"), Dialogs::Icon::None);
        return nullptr;
    }
    auto mainWindow = std::make_unique<MainWindow>(platform);
    mainWindow->show();
    return mainWindow;
}

}  // namespace zeto
