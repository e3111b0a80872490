#include "plane/PlaneWindow.h"

#include "plane/PlaneHost.h"

#include <QCloseEvent>

namespace zeto {

PlaneWindow::PlaneWindow(PlaneHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host) {}

void PlaneWindow::closeEvent(QCloseEvent* event) {
    if (host_.closing()) {
        event->accept();
        return;
    }
    event->ignore();
    hide();
}

}  // namespace zeto
