#include "platform/AppFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace zeto {

void applyAppFont() {
    const QStringList families = QFontDatabase::families();
    for (const char* name :
         {"Noto Sans CJK SC", "Noto Sans SC", "WenQuanYi Micro Hei", "Noto Sans CJK JP"}) {
        const QString family = QString::fromLatin1(name);
        if (families.contains(family)) {
            QFont font(family);
            font.setPointSizeF(9);
            QApplication::setFont(font);
            return;
        }
    }
    QFont font = QApplication::font();
    font.setPointSizeF(9);
    QApplication::setFont(font);
}

}  // namespace zeto
