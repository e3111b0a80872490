#include "plane/Form4.h"

#include <QCloseEvent>

// Placeholder bodies; the plane work fills them in.
namespace zeto {

Form4::Form4(Shell& shell, QWidget* parent) : QWidget(parent, Qt::Window), shell_(shell) {
    setObjectName(QStringLiteral("Form4"));
}
bool Form4::lineMethod() const { return true; }
QString Form4::previewCountText() const { return QStringLiteral("100"); }
void Form4::selectBold(const QString&) {}
void Form4::selectDpi(const QString&) {}
void Form4::closeEvent(QCloseEvent* event) { event->accept(); }

}  // namespace zeto
