#include "plane/PlaneWindow.h"

#include "shell/SharedState.h"
#include "shell/Shell.h"

#include <QCloseEvent>

namespace zeto {

PlaneWindow::PlaneWindow(Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), shell_(shell) {}

void PlaneWindow::closeEvent(QCloseEvent* event) {
    if (shell_.shared().EXITZETO) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

}  // namespace zeto
