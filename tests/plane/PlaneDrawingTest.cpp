#include "PlaneFixture.h"

#include <functional>
#include <limits>
#include <set>
#include <vector>

namespace zeto::test {
namespace {

using PlaneDrawing = PlaneFixture;

TEST_F(PlaneDrawing, GridHasTwentyLinesEachWayAndNoneOnTheAxes) {
    drawPlane(10, true, false);
    const PlaneGrid g = grid();
    std::set<int> expectedRows, expectedCols, rows, cols;
    for (int k = -10; k <= 10; ++k) {
        if (k == 0) continue;
        expectedRows.insert(g.row(k));
        expectedCols.insert(g.col(k));
    }
    ASSERT_EQ(expectedRows.size() + expectedCols.size(), 40u);
    const int scanCol = g.col(-7.5), scanRow = g.row(-7.5);
    for (int y = 0; y < image().height(); ++y)
        if (hasColor(image(), scanCol, y, kDefaultGrid)) rows.insert(y);
    for (int x = 0; x < image().width(); ++x)
        if (hasColor(image(), x, scanRow, kDefaultGrid)) cols.insert(x);
    // The outermost lines sit on the edge pixels, where the probe puts them too.
    EXPECT_EQ(rows, expectedRows);
    EXPECT_EQ(cols, expectedCols);
    EXPECT_TRUE(hasColor(image(), scanCol, g.row(0), kBlack));
    EXPECT_TRUE(hasColor(image(), g.col(0), scanRow, kBlack));
}

TEST_F(PlaneDrawing, ChosenColoursReachGridBackgroundAxesAndArrowheads) {
    control<QCheckBox>("opnet")->setChecked(true);
    chooseSwatchColor("wgcolor", kBlue);
    chooseSwatchColor("bgcolor", 0x00FFFF);
    chooseSwatchColor("zbcolor", kRed);
    const PlaneGrid g = grid();
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(5), kBlue));
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(-7.5), 0x00FFFF));
    // The first tick is drawn over the axis in black, before any label changed the colour.
    for (int x = g.col(-10); x <= g.col(10); ++x)
        ASSERT_TRUE(hasColor(image(), x, g.row(0), x == g.col(-9) ? kBlack : kRed)) << x;
    for (int y = g.row(10); y <= g.row(-10); ++y)
        ASSERT_TRUE(hasColor(image(), g.col(0), y, kRed)) << y;
    for (double t : {0.1, 0.25, 0.4}) {
        EXPECT_TRUE(colorNear(image(), g.col(10 - t), g.row(t), kRed)) << t;
        EXPECT_TRUE(colorNear(image(), g.col(10 - t), g.row(-t), kRed)) << t;
        EXPECT_TRUE(colorNear(image(), g.col(t), g.row(10 - t), kRed)) << t;
        EXPECT_TRUE(colorNear(image(), g.col(-t), g.row(10 - t), kRed)) << t;
    }
    // The axis letters stay black.
    EXPECT_GT(inTextBox(9.5, -0.5, "X", kBlack), 0);
    EXPECT_GT(inTextBox(-0.5, 9.5, "Y", kBlack), 0);
}

// Regions where axis-coloured pixels may appear besides the labels.
std::vector<QRect> axisRegions(const PlaneGrid& g) {
    const int L = g.L;
    const double tick = L / 40.0;
    std::vector<QRect> r{QRect(0, g.row(0) - 1, g.width, 3), QRect(g.col(0) - 1, 0, 3, g.height)};
    for (int j = 1 - L; j <= L - 1; ++j) {
        r.push_back(QRect(QPoint(g.col(j) - 1, g.row(tick) - 1), QPoint(g.col(j) + 1, g.row(0))));
        r.push_back(QRect(QPoint(g.col(-tick) - 1, g.row(j) - 1), QPoint(g.col(0), g.row(j) + 1)));
    }
    r.push_back(
        QRect(QPoint(g.col(L - 0.5) - 1, g.row(0.5) - 1), QPoint(g.width, g.row(-0.5) + 1)));
    r.push_back(QRect(QPoint(g.col(-0.5) - 1, 0), QPoint(g.col(0.5) + 1, g.row(L - 0.5) + 1)));
    return r;
}

// The box of every label, one pixel larger all round.
std::vector<QRect> labelBoxes(const PlaneGrid& g, const QFontMetrics& fm) {
    const int L = g.L;
    std::vector<QRect> boxes;
    for (int j = 1 - L; j <= L - 1; ++j) {
        const QSize size(fm.horizontalAdvance(QString::number(j)), fm.height());
        boxes.push_back(QRect(QPoint(g.col(j - 0.45), g.row(-0.2)), size).adjusted(-1, -1, 1, 1));
        if (j != 0)
            boxes.push_back(
                QRect(QPoint(g.col(-L / 10.0), g.row(j + 0.2)), size).adjusted(-1, -1, 1, 1));
    }
    return boxes;
}

// Every tick mark with its colour, every label in its box and the axis colour nowhere else,
// and the drawing colour and pen width the redraw leaves.
TEST_F(PlaneDrawing, TicksAndLabelsRunFromOneMinusLToLMinusOne) {
    const struct {
        int L;
        bool labels;
        int chosenWidth;  // the settings' pen width, which the redraw restores where it can
        BgrColor colour;  // of every tick after the first on the x axis, which is black
        int penWidth;
    } cases[] = {{10, false, 2, kBlack, 2}, {10, true, 2, kRed, 2}, {10, true, 1, kRed, 1},
                 {10, true, 7, kRed, 1},    {5, true, 2, kRed, 2},  {20, true, 2, kRed, 2},
                 {5, false, 2, kBlack, 2}};
    chooseSwatchColor("zbcolor", kRed);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "L " << c.L << (c.labels ? " labels" : "") << " pen " << c.chosenWidth);
        changeSettings([&c](PlaneSettings& s) { s.penWidth = c.chosenWidth; });
        drawPlane(c.L, false, c.labels);
        const PlaneGrid g = grid();
        const double tick = c.L / 40.0;
        for (int j = 1 - c.L; j <= c.L - 1; ++j) {
            if (j == 0) continue;
            for (int y = g.row(tick) + 1; y < g.row(0); ++y)
                EXPECT_TRUE(hasColor(image(), g.col(j), y, j == 1 - c.L ? kBlack : c.colour)) << j;
            for (int x = g.col(-tick) + 1; x < g.col(0); ++x)
                EXPECT_TRUE(hasColor(image(), x, g.row(j), c.colour)) << "y tick " << j;
            // Nothing beyond the tick's length.
            EXPECT_TRUE(hasColor(image(), g.col(j), g.row(tick) - 2, kWhite)) << j;
            EXPECT_TRUE(hasColor(image(), g.col(-tick) - 2, g.row(j), kWhite)) << j;
        }
        // No tick at the arrowhead ends.
        EXPECT_TRUE(hasColor(image(), g.col(-c.L), g.row(0.15), kWhite));
        EXPECT_TRUE(hasColor(image(), g.col(-0.15), g.row(-c.L), kWhite));
        EXPECT_EQ(surface.foreColor(), c.colour);
        EXPECT_EQ(surface.drawWidth(), c.penWidth);

        const auto boxes = labelBoxes(g, QFontMetrics(surface.font()));
        ASSERT_EQ(boxes.size(), static_cast<size_t>(4 * c.L - 3));
        std::vector<QRect> allowed = axisRegions(g);
        if (c.labels) {
            for (const QRect& box : boxes) EXPECT_GT(countColor(image(), box, kRed), 0) << box.x();
            allowed.insert(allowed.end(), boxes.begin(), boxes.end());
        }
        EXPECT_EQ(strayPixels(image(), kRed, allowed), 0);
    }
}

TEST_F(PlaneDrawing, OutOfRangeValuesRaiseOverflowAndChangeNothing) {
    const QImage before = image();
    const BgrColor drawing = surface.foreColor();
    std::vector<std::function<void()>> operations;
    for (double bad : {1e39, std::numeric_limits<double>::quiet_NaN()}) {
        operations.push_back([=] { coordinates.drawDot(bad, 0, kGreen); });
        operations.push_back([=] { coordinates.printText(bad, 0, "w", kRed); });
        operations.push_back([=] { coordinates.printText(0, bad, "w", kRed); });
    }
    for (size_t k = 0; k < operations.size(); ++k)
        EXPECT_EQ(errorCode(operations[k]), VbError::Overflow) << k;
    EXPECT_EQ(image(), before);
    EXPECT_EQ(surface.foreColor(), drawing);
}

// Printed text keeps its colour as the drawing colour: later segments without a colour of their
// own use it.
TEST_F(PlaneDrawing, PrintedTextSetsTheDrawingColour) {
    for (BgrColor colour : {kRed, kGreen}) {
        coordinates.drawAxes();
        coordinates.printText(-7, 8, "Ab", colour);
        EXPECT_EQ(surface.foreColor(), colour);
        EXPECT_GT(inTextBox(-7, 8, "Ab", colour), 0);
        surface.line(-8, -8, -6, -8);
        EXPECT_TRUE(hasColor(image(), grid().col(-7), grid().row(-8), colour));
    }
}

}  // namespace
}  // namespace zeto::test
