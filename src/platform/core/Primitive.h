#pragma once

#include "platform/core/BgrColor.h"

#include <QString>

#include <cstdint>

namespace zeto {

// One piece of a picture of the plane, in plane units: what the drawing surface drew, kept so
// that the picture can be painted again at any size and on any device. Coordinates are the
// single-precision values the surface took.
struct Primitive {
    enum class Shape : std::uint8_t { Segment, Dot, Circle, Text };

    Shape shape = Shape::Segment;
    std::uint8_t width = 1;  // pen width in pixels of the normal plane
    BgrColor color = 0;
    // Segment: from (x1, y1) to (x2, y2). Dot and Text: at (x1, y1), the text's top-left
    // corner. Circle: centre (x1, y1), radius x2 in the units of each axis.
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString text;  // lines joined by '\n'

    static Primitive segment(double x1, double y1, double x2, double y2, BgrColor color,
                             int width) {
        return {Shape::Segment, static_cast<std::uint8_t>(width), color, x1, y1, x2, y2, {}};
    }
    static Primitive dot(double x, double y, BgrColor color, int width) {
        return {Shape::Dot, static_cast<std::uint8_t>(width), color, x, y, 0, 0, {}};
    }
    static Primitive circle(double cx, double cy, double r, BgrColor color, int width) {
        return {Shape::Circle, static_cast<std::uint8_t>(width), color, cx, cy, r, 0, {}};
    }
    static Primitive label(double x, double y, const QString& text, BgrColor color) {
        return {Shape::Text, 1, color, x, y, 0, 0, text};
    }
};

}  // namespace zeto
