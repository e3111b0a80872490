#pragma once

#include "platform/core/BgrColor.h"
#include "platform/core/NumberText.h"

#include <cstdint>

namespace zeto {

// Everything the plane is drawn with and graphs are plotted by, read as one value: the
// settings window's choices and the three numbers it keeps (axis half-length, pen width and
// the point method's step).
struct PlaneSettings {
    std::int16_t sl = 10;                       // axis half-length, 5..20
    int bl = 2;                                 // pen width of graphs in pixels, 1 or 2
    float JXD = toSingle(3.1415926535 / 1000);  // step of the point method
    bool lineMethod = true;                     // "连线法"; otherwise "描点法"
    bool gridShown = false;
    bool labelsShown = true;
    BgrColor axisColor = 0x000000;
    BgrColor gridColor = 0xFFE1DF;
    BgrColor backgroundColor = 0xFFFFFF;
};

}  // namespace zeto
