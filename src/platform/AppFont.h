#pragma once

class QFont;

namespace zeto {

// The Chinese font the layouts are designed for (9 pt, as the designed control sizes assume),
// when that font is installed; otherwise the application's font at 9 pt.
QFont appFont();
// Gives the application that font.
void applyAppFont();

}  // namespace zeto
