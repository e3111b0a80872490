#include "PlaneProbe.h"

#include "platform/DrawingSurface.h"
#include "platform/core/VbError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <limits>

namespace zeto::test {
namespace {

// A 201 x 101 surface showing x -10..10 and y 5..-5: ten pixels to a unit both ways, the
// origin on pixel (100, 50).
class Surface : public ::testing::Test {
  protected:
    Surface() {
        surface.resize(201, 101);
        surface.fitImageToWidget();
        surface.setScale(-10, 5, 10, -5);
        surface.clear();
    }
    static int col(double x) { return static_cast<int>(std::floor((x + 10) * 10 + 0.5 + 1e-9)); }
    const QImage& image() const { return surface.image(); }
    QPointF current() const { return QPointF(surface.currentX(), surface.currentY()); }

    DrawingSurface surface;
};

TEST_F(Surface, WideSegmentsCoverTheirEndsRoundly) {
    surface.setDrawWidth(4);
    surface.line(-5, 0, 5, 0, kRed);
    EXPECT_TRUE(colorNear(image(), col(5) + 1, 50, kRed, 0));
    EXPECT_TRUE(colorNear(image(), col(-5) - 1, 50, kRed, 0));
    EXPECT_TRUE(hasColor(image(), col(0), 48, kRed));
    EXPECT_TRUE(hasColor(image(), col(0), 51, kRed));
    EXPECT_FALSE(hasColor(image(), col(0), 45, kRed));
}

TEST_F(Surface, DotIsAsWideAsThePenOnTheNearestPixel) {
    const struct {
        double x, y;
        int width;
        QRect block;
    } cases[] = {{0, 0, 1, QRect(100, 50, 1, 1)},
                 {0.04, 0, 1, QRect(100, 50, 1, 1)},
                 {0.05, 0, 1, QRect(101, 50, 1, 1)},
                 {-0.06, 0.06, 1, QRect(99, 49, 1, 1)},
                 {-10, 5, 1, QRect(0, 0, 1, 1)},
                 {10, -5, 1, QRect(200, 100, 1, 1)},
                 {0, 0, 2, QRect(99, 49, 2, 2)},
                 {-10, 5, 2, QRect(0, 0, 1, 1)},
                 {10.5, 0, 1, QRect()}};
    surface.setForeColor(kBlue);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << " " << c.y << " " << c.width);
        surface.clear();
        surface.setDrawWidth(c.width);
        surface.pset(c.x, c.y, kRed);
        EXPECT_EQ(countColor(image(), c.block, kRed), c.block.width() * c.block.height());
        EXPECT_EQ(countColor(image(), kRed), c.block.width() * c.block.height());
        EXPECT_EQ(surface.currentX(), static_cast<double>(static_cast<float>(c.x)));
        EXPECT_EQ(surface.foreColor(), kBlue);
    }
}

// Radius 1e5 units is 1e6 pixels across and 5e5 down, as is the centre's depth: the arc
// through the origin is flat across the view.
TEST_F(Surface, HugeCirclesShowTheirArc) {
    surface.setScale(-10, 10, 10, -10);  // five pixels to a unit down, ten across
    surface.circle(0, -1e5, 1e5, kRed);
    for (int x = 0; x <= 200; x += 20) EXPECT_TRUE(colorNear(image(), x, 50, kRed)) << x;
    EXPECT_EQ(countColor(image(), QRect(0, 0, 201, 45), kRed), 0);
    EXPECT_EQ(countColor(image(), QRect(0, 56, 201, 45), kRed), 0);
}

TEST_F(Surface, HugeButFiniteCoordinatesAreClipped) {
    surface.line(-1e30, 0, 1e30, 0, kRed);
    for (int x = 0; x <= 200; ++x) ASSERT_TRUE(hasColor(image(), x, 50, kRed)) << x;
    surface.line(0, 0, 1e30, 1e30, kBlue);  // up to the top right, at 45 degrees
    EXPECT_TRUE(colorNear(image(), 120, 30, kBlue));
    EXPECT_TRUE(colorNear(image(), 149, 1, kBlue));
    EXPECT_EQ(surface.currentX(), static_cast<double>(1e30f));

    const QImage before = image();
    surface.pset(1e30, 1e30, kRed);
    surface.line(1e30, 1e30, 3e38, -3e38, kRed);
    surface.line(-3e38, -3e38, -3e38, 3e38, kRed);
    surface.circle(0, 0, 1e30, kRed);  // the whole view lies inside it
    surface.circle(3e38, 3e38, 1, kRed);
    surface.setCurrentPoint(1e30, -1e30);
    surface.print("far away");
    surface.setCurrentPoint(-1e30, 1e30);
    surface.print("far away");
    EXPECT_EQ(image(), before);
    surface.circle(1e30, 0, 1e30, kRed);  // passes near the view; must merely finish
    surface.circle(-3e38, 3e38, 3.4e38, kRed);
}

TEST_F(Surface, NonFiniteOrBeyondSingleRaisesOverflowAndDrawsNothing) {
    using Operation = std::function<void(double)>;
    const Operation operations[] = {[&](double v) { surface.line(v, 0, 1, 1, kRed); },
                                    [&](double v) { surface.line(0, 0, 1, v); },
                                    [&](double v) { surface.lineTo(v, 0); },
                                    [&](double v) { surface.pset(0, v, kRed); },
                                    [&](double v) { surface.circle(v, 0, 1, kRed); },
                                    [&](double v) { surface.circle(0, 0, v, kRed); },
                                    [&](double v) { surface.setCurrentPoint(0, v); },
                                    [&](double v) { surface.setScale(-1, 1, v, -1); }};
    surface.setCurrentPoint(1, 2);
    const QImage before = image();
    for (size_t k = 0; k < std::size(operations); ++k)
        for (double bad :
             {1e39, -1e39, std::numeric_limits<double>::quiet_NaN(),
              std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
            EXPECT_EQ(errorCode([&] { operations[k](bad); }), VbError::Overflow) << k << " " << bad;
            EXPECT_EQ(current(), QPointF(1, 2)) << k;
        }
    // A scale without width or height is refused too.
    EXPECT_EQ(errorCode([&] { surface.setScale(3, 1, 3, -1); }), VbError::InvalidProcedureCall);
    EXPECT_EQ(errorCode([&] { surface.setScale(-1, 2, 1, 2); }), VbError::InvalidProcedureCall);
    EXPECT_EQ(image(), before);
    EXPECT_EQ(surface.toPixel(0, 0), QPointF(100, 50));
}

}  // namespace
}  // namespace zeto::test
