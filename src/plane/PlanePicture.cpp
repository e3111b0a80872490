#include "plane/PlanePicture.h"

#include "platform/ColorSwatch.h"
#include "platform/PrimitivePainter.h"

#include <QPainter>

#include <cmath>

namespace zeto {

double PlanePicture::meanUnit(const QTransform& toPixel) {
    return (std::fabs(toPixel.m11()) + std::fabs(toPixel.m22())) / 2;
}

void PlanePicture::paint(QPainter& p, const PlaneFrame& frame) const {
    renderer().paint(p, frame, {&pieces});
}

QImage PlanePicture::raster(int factor) const {
    if (factor <= 1) {
        QImage image(screenPixels, QImage::Format_RGB32);
        image.fill(colorFromBgr(settings.backgroundColor));
        const PrimitivePainter painter(screenTransform, screenPixels, font,
                                       PrimitivePainter::Style{settings.antialiased, 1});
        QPainter p(&image);
        painter.prepare(p);
        for (const Primitive& piece : screenAxes) painter.paint(p, piece);
        for (const Primitive& piece : pieces) painter.paint(p, piece);
        return image;
    }
    const PlaneFrame frame = PlaneFrame::enlarged(screenPixels, settings.axisLength, factor);
    QImage image(frame.view, QImage::Format_RGB32);
    QPainter p(&image);
    paint(p, frame);
    return image;
}

}  // namespace zeto
