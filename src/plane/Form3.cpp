#include "plane/Form3.h"

#include "platform/DrawingSurface.h"
#include "shell/Shell.h"

#include <QCloseEvent>

// Placeholder bodies; the plane work fills them in.
namespace zeto {

Form3::Form3(Shell& shell, QWidget* parent)
    : QWidget(parent, Qt::Window), shell_(shell), surface_(new DrawingSurface(this)) {
    setObjectName(QStringLiteral("Form3"));
    surface_->setObjectName(QStringLiteral("Picture1"));
}
DrawingSurface& Form3::surface() { return *surface_; }
void Form3::XY() {}
void Form3::DrawDot(double, double, BgrColor) {}
void Form3::PrintWord(double, double, const QString&, const QString&) {}
void Form3::resizePlane(int, int) {}
void Form3::closeEvent(QCloseEvent* event) { event->accept(); }

}  // namespace zeto
