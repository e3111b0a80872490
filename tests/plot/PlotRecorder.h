#pragma once

#include "plane/core/PlotCanvas.h"
#include "plane/core/PlotInputs.h"
#include "platform/core/NumberText.h"
#include "platform/core/VbError.h"

#include <QLineF>
#include <QPointF>

#include <cmath>
#include <functional>
#include <vector>

namespace zeto::test {

// A plane that keeps what is drawn on it, and refuses what the real plane refuses:
// coordinates beyond single precision.
class RecordingCanvas : public PlotCanvas {
  public:
    struct Label {
        QPointF at;
        QString text;
    };
    struct Circle {
        QPointF centre;
        double r;
    };

    void segment(double x1, double y1, double x2, double y2, BgrColor color) override {
        segments.push_back(QLineF(single(x1), single(y1), single(x2), single(y2)));
        colors.push_back(color);
    }
    void dot(double x, double y, BgrColor color) override {
        dots.push_back(QPointF(single(x), single(y)));
        colors.push_back(color);
    }
    void label(double x, double y, const QString& text, BgrColor) override {
        labels.push_back({QPointF(single(x), single(y)), text});
    }
    void circle(double cx, double cy, double r, BgrColor) override {
        circles.push_back({QPointF(single(cx), single(cy)), single(r)});
    }
    void setPenWidth(int pixels) override { penWidths.push_back(pixels); }

    std::vector<QLineF> segments;
    std::vector<QPointF> dots;
    std::vector<Label> labels;
    std::vector<Circle> circles;
    std::vector<BgrColor> colors;
    std::vector<int> penWidths;

  private:
    static double single(double v) {
        const float f = toSingle(v);
        if (!std::isfinite(f)) throw VbError(VbError::Overflow);
        return f;
    }
};

// A page whose fields say what a test wants; `onRead` may edit them while the plot runs.
class ScriptedInputs : public PlotInputs {
  public:
    explicit ScriptedInputs(std::array<QString, 3> texts = {"1", "1", "1"}) : texts(texts) {}

    std::array<QString, 3> coefficientTexts() override {
        ++reads;
        if (onRead) onRead(*this);
        return texts;
    }
    BgrColor color() override { return colour; }
    bool yield() override { return ++yields < stopAfterYields; }

    std::array<QString, 3> texts;
    BgrColor colour = 0x0000FF;
    int reads = 0;
    int yields = 0;
    int stopAfterYields = 1 << 30;
    std::function<void(ScriptedInputs&)> onRead;
};

}  // namespace zeto::test
