#pragma once

#include "platform/core/BgrColor.h"
#include "platform/core/NumberText.h"

#include <QSize>

#include <optional>

namespace zeto {

// Everything the settings window sets, as one value: how the plane is drawn, how graphs are
// plotted on it, and the number of terms the sequence preview lists.
struct PlaneSettings {
    int axisLength = 10;                              // half-length of both axes, 5..20
    int penWidth = 2;                                 // pixels, 1 ("细") or 2 ("粗")
    float pointStep = toSingle(3.1415926535 / 1000);  // step of the point method
    bool lineMethod = true;                           // "连线法"; otherwise "描点法"
    bool gridShown = false;
    bool labelsShown = true;
    bool antialiased = false;  // "平滑曲线": smooth lines on the plane on screen
    BgrColor axisColor = 0x000000;
    BgrColor gridColor = 0xFFE1DF;
    BgrColor backgroundColor = 0xFFFFFF;
    // The coordinate window's client area in twips; the plane fills it.
    QSize planeTwips{8790, 8505};
    // The preview's number of terms, when its box holds a number.
    std::optional<double> previewCount = 100;
};

}  // namespace zeto
