#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

namespace zeto {

// Reads a picture file; the data files carry their own ending (".kvt"), so the format comes
// from the content. A missing or unreadable file gives a null pixmap.
QPixmap loadPicture(const QString& file);

// Shows a picture in a label. A null picture keeps the previous one, so a damaged data folder
// never leaves a blank lamp or banner. Returns whether the label changed.
bool showPicture(QLabel* label, const QPixmap& picture);
bool showPicture(QLabel* label, const QString& file);

}  // namespace zeto
