#include "plane/VectorExport.h"

#include "plane/PlanePage.h"
#include "plane/PlanePicture.h"
#include "platform/ColorSwatch.h"
#include "platform/ImageExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace zeto {

namespace {

// SVG user units are pixels of 1/96 inch.
constexpr double kSvgPixelsPerMm = 96 / 25.4;

}  // namespace

QByteArray VectorExport::svg(const PlanePicture& picture) {
    const int L = picture.settings.axisLength;
    const QSizeF a4 = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(PlanePage::kPdfMarginMm, PlanePage::kPdfMarginMm,
                                            PlanePage::kPdfMarginMm, PlanePage::kPdfMarginMm),
                                  QPageLayout::Millimeter)
                          .paintRect(QPageLayout::Millimeter)
                          .size();
    const double unit = PlanePage::millimetresPerUnit(a4, L) * kSvgPixelsPerMm;
    // A quarter unit round the plane keeps the lines along its edges whole.
    const double side = (2 * L + 0.5) * unit;
    const int extent = static_cast<int>(std::ceil(side));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setResolution(96);
    generator.setSize(QSize(extent, extent));
    generator.setViewBox(QRect(0, 0, extent, extent));
    generator.setTitle(QStringLiteral("ZETO"));
    {
        QPainter p(&generator);
        p.fillRect(QRectF(0, 0, extent, extent), colorFromBgr(picture.settings.backgroundColor));
        // The pieces are cut at the plane's edges: SVG keeps no clip.
        const double plane = 2 * L * unit;
        p.translate((extent - plane) / 2, (extent - plane) / 2);
        const int view = static_cast<int>(std::ceil(plane));
        picture.paint(p, PlaneFrame::square(QRectF(0, 0, plane, plane), L, unit, QSize(view, view),
                                            picture.screenUnit()));
    }
    return buffer.data();
}

bool VectorExport::write(const PlanePicture& picture, const QString& fileName, int factor) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf")) return PlanePage::writePdf(picture, fileName);
    if (suffix != QLatin1String("svg")) return writeImageFile(picture.raster(factor), fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = svg(picture);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}

}  // namespace zeto
