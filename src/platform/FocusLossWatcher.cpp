#include "platform/FocusLossWatcher.h"

#include <QApplication>
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
        if (!windowLeft && !pending_ && !running_ && !handingBack()) {
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

bool FocusLossWatcher::handingBack() {
    // Qt has already made the field that takes the focus the focus widget.
    const QWidget* next = QApplication::focusWidget();
    const auto* watcher =
        next ? next->findChild<FocusLossWatcher*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return watcher && watcher->running_;
}

}  // namespace zeto
