#include "platform/Picture.h"

#include <QImageReader>
#include <QLabel>

namespace zeto {

QPixmap loadPicture(const QString& file) {
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    return QPixmap::fromImage(reader.read());
}

bool showPicture(QLabel* label, const QPixmap& picture) {
    if (picture.isNull()) return false;
    label->setPixmap(picture);
    return true;
}

bool showPicture(QLabel* label, const QString& file) {
    return showPicture(label, loadPicture(file));
}

}  // namespace zeto
