#include "shell/TabPage.h"

#include "platform/Twips.h"

namespace zeto {

TabPage::TabPage(Shell& shell, int pageTopPixels, QWidget* parent)
    : QWidget(parent), shell_(shell), pageTop_(pageTopPixels) {}

void TabPage::place(QWidget* child, int left, int top, int width, int height) {
    QRect r = twipsRect(left, top, width, height);
    r.translate(-1, -pageTop_);
    child->setGeometry(r);
}

void TabPage::placeIn(QWidget* child, int left, int top, int width, int height) {
    placeTwips(child, left, top, width, height);
}

}  // namespace zeto
