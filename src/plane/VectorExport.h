#pragma once

#include <QByteArray>
#include <QString>

namespace zeto {

struct PlanePicture;

// The plane as a file a document can take: SVG (lines and curves as paths, text as text, no
// raster image) and PDF (one A4 page at true scale), and raster pictures at one, two or four
// times the plane's size. The SVG has the scale the PDF has, one plane unit being as many
// millimetres in both.
class VectorExport {
  public:
    static QByteArray svg(const PlanePicture& picture);
    // The file's extension decides: .svg, .pdf, else a raster format (see ImageExport) at
    // `factor` times the plane's size. Written through a temporary file: a failure leaves no
    // partial file. False when anything failed.
    static bool write(const PlanePicture& picture, const QString& fileName, int factor);
};

}  // namespace zeto
