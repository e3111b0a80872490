#pragma once

#include "platform/core/NumberText.h"

namespace zeto {

// The abscissa of a plot: from `start` for as long as it is not greater than `end`, advanced
// by repeated addition of `step`, so that it reaches exactly the values a plot has always
// reached (the last one may stop a hair short of the end, or pass it). Start, end and step
// are fixed when the sweep begins. A sweep that would no longer move (a step of zero, or one
// too small to change x) ends instead of running forever.
class Sweep {
  public:
    enum class Precision { Double, Single };

    Sweep(double start, double end, double step, Precision precision = Precision::Double)
        : x_(round(start, precision)),
          end_(round(end, precision)),
          step_(round(step, precision)),
          precision_(precision) {}

    bool more() const { return !stuck_ && x_ <= end_; }
    double x() const { return x_; }
    void next() {
        const double advanced = round(x_ + step_, precision_);
        stuck_ = !(advanced > x_);
        x_ = advanced;
    }

  private:
    static double round(double v, Precision p) { return p == Precision::Single ? toSingle(v) : v; }

    double x_;
    double end_;
    double step_;
    Precision precision_;
    bool stuck_ = false;
};

}  // namespace zeto
