#pragma once

#include <QByteArray>
#include <QString>

class QImage;
class QSaveFile;

namespace zeto {

// Picture files written from the plane. The extension decides the format: .jpg and .jpeg
// JPEG, .png PNG, anything else (no extension included) a Windows bitmap.
QByteArray imageFormatFor(const QString& fileName);

// A file name typed without any extension gets `suffix` ("jpg"), as the save dialog would
// add it; names that already have one, and folder paths, are left as they are.
QString withDefaultSuffix(const QString& fileName, const QString& suffix);

// Writes the picture through a temporary file in the target's folder that is renamed into
// place only once it is complete: a failure leaves no partial file and leaves a file of the
// same name untouched. Missing folders are not created. False when anything failed.
bool writeImageFile(const QImage& image, const QString& fileName);

// Puts a file written through QSaveFile into place when every byte reached the disk. The last
// bytes sit in the file's buffer until the end, and a failure to write them would otherwise
// leave a cut file in place. False (and no file) when anything failed.
bool commitWhole(QSaveFile& file);

}  // namespace zeto
