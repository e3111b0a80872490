#include "platform/FocusLossWatcher.h"

#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace zeto {

FocusLossWatcher::FocusLossWatcher(QWidget* field, std::function<void()> check)
    : QObject(field), check_(std::move(check)) {
    field->installEventFilter(this);
}

bool FocusLossWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool windowLeft =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!windowLeft && !pending_ && !running_) {
            pending_ = true;
            QTimer::singleShot(0, this, [this] {
                pending_ = false;
                running_ = true;
                struct Done {
                    bool& flag;
                    ~Done() { flag = false; }
                } done{running_};
                check_();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zeto
