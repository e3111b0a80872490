#pragma once

namespace zeto {

// Gives the application the Chinese font its layouts are designed for (9 pt, as the designed
// control sizes assume), when that font is installed.
void applyAppFont();

}  // namespace zeto
