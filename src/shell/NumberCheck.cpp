#include "shell/NumberCheck.h"

#include "platform/Dialogs.h"
#include "platform/FocusLossWatcher.h"
#include "platform/core/NumberText.h"
#include "shell/Shell.h"

#include <QLineEdit>
#include <QPointer>

namespace zeto {

void NumberCheck::watch(Shell& shell, QLineEdit* field) {
    new FocusLossWatcher(field, [&shell, field = QPointer<QLineEdit>(field)] {
        if (!field || shell.closing() || isNumeric(field->text())) return;
        shell.dialogs().message(shell.mainWidget(), QStringLiteral("请输入数字"),
                                Dialogs::Icon::None);
        if (field) field->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace zeto
