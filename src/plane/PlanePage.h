#pragma once

#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace zeto {

struct PlanePicture;

// The plane on paper at true scale, one picture for the PDF export and the printer: a plane
// unit is 1 cm when the plane fits the page's printable area, otherwise the largest whole
// number of millimetres that fits; the plane is centred on the page with its scale written
// under it ("1 单位 = 9 mm").
class PlanePage {
  public:
    // The PDF's page is A4 with this margin all round.
    static constexpr double kPdfMarginMm = 15;
    // Height kept under the plane for the line that gives the scale.
    static constexpr double kCaptionMm = 12;

    // Millimetres per plane unit for a printable area of `printable` millimetres.
    static int millimetresPerUnit(const QSizeF& printable, int axisLength);
    static QString caption(int millimetresPerUnit);

    // Paints one page; the painter starts at the corner of the device's printable area.
    static void paint(QPainter& p, QPagedPaintDevice& page, const PlanePicture& picture);
    static void print(const PlanePicture& picture, QPrinter& printer);
    // One A4 page, through a temporary file: a failure leaves no partial file. False when
    // anything failed.
    static bool writePdf(const PlanePicture& picture, const QString& fileName);
};

}  // namespace zeto
