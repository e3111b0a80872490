#include "plane/PlanePage.h"

#include "plane/PlanePicture.h"
#include "platform/ImageExport.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace zeto {

namespace {

constexpr double kMmPerInch = 25.4;
// The scale's line is set this high, and this far under the plane.
constexpr double kCaptionTextMm = 3.5;
constexpr double kCaptionGapMm = 3;

}  // namespace

int PlanePage::millimetresPerUnit(const QSizeF& printable, int axisLength) {
    const double room = std::min(printable.width(), printable.height() - kCaptionMm);
    // A hair of tolerance, so that a plane that fits exactly is not refused by rounding.
    const double fitting = std::floor(room / (2.0 * axisLength) + 1e-9);
    return static_cast<int>(std::clamp(fitting, 1.0, 10.0));
}

QString PlanePage::caption(int millimetresPerUnit) {
    return QStringLiteral("1 单位 = %1 mm").arg(millimetresPerUnit);
}

void PlanePage::paint(QPainter& p, QPagedPaintDevice& page, const PlanePicture& picture) {
    const int L = picture.settings.axisLength;
    const double dotsPerMm = page.logicalDpiX() / kMmPerInch;
    const QSizeF printable = page.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const int millimetres = millimetresPerUnit(printable, L);
    const double unit = millimetres * dotsPerMm;
    const double side = 2 * L * unit;
    const double captionHeight = kCaptionMm * dotsPerMm;
    const QPointF corner((printable.width() * dotsPerMm - side) / 2,
                         (printable.height() * dotsPerMm - side - captionHeight) / 2);

    p.save();
    p.translate(corner);
    const int view = static_cast<int>(std::ceil(side));
    picture.paint(p, PlaneFrame::square(QRectF(0, 0, side, side), L, unit, QSize(view, view),
                                        picture.screenUnit()));
    p.restore();

    QFont font = picture.font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(kCaptionTextMm * dotsPerMm))));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(
        QRectF(corner.x(), corner.y() + side + kCaptionGapMm * dotsPerMm, side, captionHeight),
        Qt::AlignHCenter | Qt::AlignTop, caption(millimetres));
}

void PlanePage::print(const PlanePicture& picture, QPrinter& printer) {
    QPainter p;
    if (!p.begin(&printer)) return;
    paint(p, printer, picture);
}

bool PlanePage::writePdf(const PlanePicture& picture, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("ZETO"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                        QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                        QPageLayout::Millimeter));
        QPainter p;
        if (!p.begin(&writer)) {
            file.cancelWriting();
            return false;
        }
        paint(p, writer, picture);
        if (!p.end()) {
            file.cancelWriting();
            return false;
        }
    }
    return commitWhole(file);
}

}  // namespace zeto
