#include "platform/LineShape.h"

#include <QImage>

#include <gtest/gtest.h>

using zeto::LineShape;

TEST(LineShape, DrawsBetweenItsEndPointsInParentCoordinates) {
    const struct {
        QPoint from, to;
    } cases[] = {
        {{10, 20}, {50, 20}},  // horizontal
        {{30, 5}, {30, 45}},   // vertical
        {{60, 40}, {20, 10}},  // diagonal, drawn right to left
    };
    for (const auto& c : cases) {
        QWidget parent;
        parent.resize(80, 60);
        parent.setStyleSheet("background: white");
        LineShape line(&parent);
        line.setLine(c.from, c.to);
        EXPECT_EQ(line.line(), QLine(c.from, c.to));
        EXPECT_TRUE(line.geometry().contains(c.from));
        EXPECT_TRUE(line.geometry().contains(c.to));
        EXPECT_TRUE(line.testAttribute(Qt::WA_TransparentForMouseEvents));

        const QImage image = parent.grab().toImage();
        const QPoint middle = (c.from + c.to) / 2;
        for (const QPoint& p : {c.from, c.to, middle})
            EXPECT_LT(qGray(image.pixel(p)), 128) << p.x() << "," << p.y();
        EXPECT_GT(qGray(image.pixel(c.from.x(), 58)), 128);  // nothing drawn off the line

        line.hide();
        EXPECT_GT(qGray(parent.grab().toImage().pixel(middle)), 128);
    }
}

TEST(LineShape, TakesTwips) {
    QWidget parent;
    LineShape line(&parent);
    line.setLineTwips(1830, 360, 1710, 720);
    EXPECT_EQ(line.line(), QLine(122, 24, 114, 48));
}
