#include "platform/Picture.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>

namespace zeto {

bool showPicture(QLabel* label, const QString& file) {
    // The data files carry their own ending (".kvt"), so the format comes from the content.
    QImageReader reader(file);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) return false;
    label->setPixmap(QPixmap::fromImage(image));
    return true;
}

}  // namespace zeto
