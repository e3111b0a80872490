#pragma once

#include <QString>

class QLabel;

namespace zeto {

// Shows a picture file in a label. A missing or unreadable file keeps the previous picture,
// so a damaged data folder never leaves a blank lamp or banner. Returns whether it loaded.
bool showPicture(QLabel* label, const QString& file);

}  // namespace zeto
