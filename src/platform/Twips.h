#pragma once

#include <QRect>

class QWidget;

namespace zeto {

// Positions and sizes are designed in twips; the screen has 15 twips to a pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// Places a child widget at a designed position inside its parent.
void placeTwips(QWidget* widget, int left, int top, int width, int height);
// Moves a child widget, keeping the size it has.
void moveTwips(QWidget* widget, int left, int top);

}  // namespace zeto
