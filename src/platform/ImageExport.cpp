#include "platform/ImageExport.h"

#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace zeto {

namespace {

// Thin lines and small text smear at the writer's default quality.
constexpr int kJpegQuality = 92;

}  // namespace

QByteArray imageFormatFor(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) return "jpg";
    if (suffix == QLatin1String("png")) return "png";
    return "bmp";
}

QString withDefaultSuffix(const QString& fileName, const QString& suffix) {
    const QString name = QFileInfo(fileName).fileName();
    if (name.isEmpty() || name.contains(QLatin1Char('.')) || QFileInfo(fileName).isDir()) {
        return fileName;
    }
    return fileName + QLatin1Char('.') + suffix;
}

bool writeImageFile(const QImage& image, const QString& fileName) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray format = imageFormatFor(fileName);
    QImageWriter writer(&file, format);
    if (format == "jpg") writer.setQuality(kJpegQuality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return false;
    }
    return commitWhole(file);
}

bool commitWhole(QSaveFile& file) {
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace zeto
