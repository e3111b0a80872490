#include "shell/NumberCheck.h"

#include "platform/Dialogs.h"
#include "platform/FocusLossWatcher.h"
#include "platform/core/NumberText.h"
#include "shell/Shell.h"

#include <QLineEdit>
#include <QPointer>

namespace zeto {

void NumberCheck::install(Shell& shell, QWidget* root) {
    static const char* const kFields[] = {"sqrx", "XS1",  "XS2",  "XS3",  "QXS1", "QXS2", "QXS3",
                                          "fxs1", "fxs2", "fxs3", "LXS1", "LXS2", "LXS3"};
    for (const char* name : kFields) {
        auto* field = root->findChild<QLineEdit*>(QLatin1String(name));
        if (!field) continue;
        new FocusLossWatcher(field, [&shell, field = QPointer<QLineEdit>(field)] {
            if (!field || shell.closing() || isNumeric(field->text())) return;
            shell.dialogs().message(shell.mainWidget(), QStringLiteral("请输入数字"),
                                    Dialogs::Icon::None);
            if (field) field->setFocus(Qt::OtherFocusReason);
        });
    }
}

}  // namespace zeto
