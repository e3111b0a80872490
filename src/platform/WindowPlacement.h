#pragma once

class QWidget;

namespace zeto {

// Centres a window on its screen by its outer size.
void centreOnScreen(QWidget* window);

}  // namespace zeto
