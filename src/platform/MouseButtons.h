#pragma once

#include <Qt>

namespace zeto {

// The buttons of a mouse event as the program's handlers number them: 1 left, 2 right,
// 4 middle, added together when several are held.
inline int mouseButtonCode(Qt::MouseButtons buttons) {
    int code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

}  // namespace zeto
