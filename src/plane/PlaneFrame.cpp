#include "plane/PlaneFrame.h"

#include <algorithm>

namespace zeto {

PlaneFrame PlaneFrame::square(const QRectF& area, int axisLength, double unit, QSize view,
                              double screenUnit) {
    const QPointF centre = area.center();
    const double half = axisLength * unit;
    PlaneFrame frame;
    frame.toTarget = QTransform(unit, 0, 0, -unit, centre.x(), centre.y());
    frame.plane = QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half);
    frame.view = view;
    frame.scale = unit / screenUnit;
    return frame;
}

PlaneFrame PlaneFrame::fitted(const QRectF& area, int axisLength, double margin, QSize view,
                              double screenUnit) {
    const double side = std::min(area.width(), area.height()) - 2 * margin;
    return square(area, axisLength, std::max(side, 1.0) / (2.0 * axisLength), view, screenUnit);
}

PlaneFrame PlaneFrame::enlarged(QSize screen, int axisLength, int factor) {
    const QSize size = screen * factor;
    const double L = axisLength;
    const double sx = (std::max(size.width(), 2) - 1) / (2 * L);
    const double sy = (std::max(size.height(), 2) - 1) / (2 * L);
    PlaneFrame frame;
    frame.toTarget = QTransform(sx, 0, 0, -sy, L * sx, L * sy);
    frame.plane = QRectF(QPointF(0, 0), QSizeF(size));
    frame.view = size;
    frame.scale = factor;
    return frame;
}

}  // namespace zeto
