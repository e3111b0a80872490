#include "platform/Twips.h"

#include <QWidget>

namespace zeto {

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

void moveTwips(QWidget* widget, int left, int top) {
    widget->move(twipsToPixels(left), twipsToPixels(top));
}

}  // namespace zeto
