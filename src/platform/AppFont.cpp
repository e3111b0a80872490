#include "platform/AppFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace zeto {

QFont appFont() {
    const QStringList families = QFontDatabase::families();
    QFont font = QApplication::font();
    for (const char* name :
         {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei", "Noto Sans CJK JP"}) {
        const QString family = QString::fromLatin1(name);
        if (families.contains(family)) {
            font = QFont(family);
            break;
        }
    }
    font.setPointSizeF(9);
    return font;
}

void applyAppFont() {
    QApplication::setFont(appFont());
}

}  // namespace zeto
