#include "shell/NumberCheck.h"

#include "platform/Dialogs.h"
#include "platform/FocusLossWatcher.h"
#include "platform/core/NumberText.h"
#include "shell/TaskHost.h"

#include <QLineEdit>
#include <QPointer>

namespace zeto {

void NumberCheck::watch(TaskHost& host, Dialogs& dialogs, QLineEdit* field) {
    new FocusLossWatcher(field, [&host, &dialogs, field = QPointer<QLineEdit>(field)] {
        if (!field || host.closing() || isNumeric(field->text())) return;
        dialogs.message(field->window(), QStringLiteral("请输入数字"), Dialogs::Icon::None);
        if (field) field->setFocus(Qt::OtherFocusReason);
    });
}

}  // namespace zeto
