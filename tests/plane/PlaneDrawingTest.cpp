#include "PlaneFixture.h"

#include <QFontMetrics>

#include <set>
#include <vector>

namespace zeto::test {
namespace {

constexpr BgrColor kWhite = 0xFFFFFF;
constexpr BgrColor kBlack = 0x000000;
constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kDefaultGrid = 0xFFE1DF;

using PlaneDrawing = PlaneFixture;

TEST_F(PlaneDrawing, StartsWithAxesOnADesignedSizeSurfaceAndPenWidthTwo) {
    EXPECT_EQ(form3.windowTitle(), QStringLiteral("ZETO-坐标"));
    EXPECT_EQ(surface.objectName(), QStringLiteral("Picture1"));
    // 8790 x 8505 twips at 15 twips a pixel.
    EXPECT_EQ(surface.size(), QSize(586, 567));
    EXPECT_EQ(image().size(), QSize(586, 567));
    EXPECT_EQ(form3.size(), QSize(586, 567));
    EXPECT_EQ(surface.drawWidth(), 2);
    const PlaneGrid g = grid();
    EXPECT_TRUE(hasColor(image(), g.col(0), g.row(-3.5), kBlack));
    EXPECT_TRUE(hasColor(image(), g.col(-3.5), g.row(0), kBlack));
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(-7.5), kWhite));
    // Grid is off at start.
    EXPECT_EQ(countColor(image(), kDefaultGrid), 0);
}

TEST_F(PlaneDrawing, GridHasTwentyLinesEachWayAndNoneOnTheAxes) {
    drawPlane(10, true, false);
    const PlaneGrid g = grid();
    std::set<int> expectedRows, expectedCols;
    for (int k = -10; k <= 10; ++k) {
        if (k == 0) continue;
        expectedRows.insert(g.row(k));
        expectedCols.insert(g.col(k));
    }
    ASSERT_EQ(expectedRows.size(), 20u);
    ASSERT_EQ(expectedCols.size(), 20u);

    std::set<int> rows, cols;
    const int scanCol = g.col(-7.5), scanRow = g.row(-7.5);
    for (int y = 0; y < image().height(); ++y)
        if (hasColor(image(), scanCol, y, kDefaultGrid)) rows.insert(y);
    for (int x = 0; x < image().width(); ++x)
        if (hasColor(image(), x, scanRow, kDefaultGrid)) cols.insert(x);
    EXPECT_EQ(rows, expectedRows);
    EXPECT_EQ(cols, expectedCols);
    EXPECT_TRUE(hasColor(image(), scanCol, g.row(0), kBlack));
    EXPECT_TRUE(hasColor(image(), g.col(0), scanRow, kBlack));
    // Edge lines are visible on the outermost pixels.
    EXPECT_EQ(*rows.begin(), 0);
    EXPECT_EQ(*rows.rbegin(), image().height() - 1);
    EXPECT_EQ(*cols.rbegin(), image().width() - 1);
}

TEST_F(PlaneDrawing, AxesAndArrowheadsTakeTheAxisColour) {
    chooseSwatchColor("zbcolor", kRed);
    const PlaneGrid g = grid();
    // The first tick is drawn over the axis in black, before any label changed the colour.
    for (int x = g.col(-10); x <= g.col(10); ++x) {
        if (x == g.col(-9)) continue;
        ASSERT_TRUE(hasColor(image(), x, g.row(0), kRed)) << x;
    }
    EXPECT_TRUE(hasColor(image(), g.col(-9), g.row(0), kBlack));
    for (int y = g.row(10); y <= g.row(-10); ++y)
        ASSERT_TRUE(hasColor(image(), g.col(0), y, kRed)) << y;
    for (double t : {0.1, 0.25, 0.4}) {
        EXPECT_TRUE(colorNear(image(), g.col(10 - t), g.row(t), kRed)) << t;
        EXPECT_TRUE(colorNear(image(), g.col(10 - t), g.row(-t), kRed)) << t;
        EXPECT_TRUE(colorNear(image(), g.col(t), g.row(10 - t), kRed)) << t;
        EXPECT_TRUE(colorNear(image(), g.col(-t), g.row(10 - t), kRed)) << t;
    }
    // The axis letters stay black.
    const QFontMetrics fm(surface.font());
    EXPECT_GT(
        countColor(image(), QRect(g.col(9.5), g.row(-0.5), fm.horizontalAdvance("X"), fm.height()),
                   kBlack),
        0);
    EXPECT_GT(
        countColor(image(), QRect(g.col(-0.5), g.row(9.5), fm.horizontalAdvance("Y"), fm.height()),
                   kBlack),
        0);
}

// Every tick mark with its expected colour, for labels hidden and shown.
struct TickCase {
    bool labels;
    BgrColor firstXTick;
    BgrColor firstYTick;
    BgrColor laterTicks;
};

class PlaneTicks : public PlaneFixture, public ::testing::WithParamInterface<TickCase> {};

TEST_P(PlaneTicks, TicksRunFromOneMinusLToLMinusOneWithTheDrawingColour) {
    const TickCase c = GetParam();
    chooseSwatchColor("zbcolor", kRed);
    drawPlane(10, false, c.labels);
    const PlaneGrid g = grid();
    const double tick = 10 / 40.0;
    for (int j = -9; j <= 9; ++j) {
        const BgrColor xColor = j == -9 ? c.firstXTick : c.laterTicks;
        const BgrColor yColor = j == -9 ? c.firstYTick : c.laterTicks;
        if (j != 0) {
            for (int y = g.row(tick) + 1; y < g.row(0); ++y)
                EXPECT_TRUE(hasColor(image(), g.col(j), y, xColor)) << "x tick " << j;
            for (int x = g.col(-tick) + 1; x < g.col(0); ++x)
                EXPECT_TRUE(hasColor(image(), x, g.row(j), yColor)) << "y tick " << j;
        }
        // Nothing beyond the tick's length.
        if (j != 0) {
            EXPECT_TRUE(hasColor(image(), g.col(j), g.row(tick) - 2, kWhite)) << j;
            EXPECT_TRUE(hasColor(image(), g.col(-tick) - 2, g.row(j), kWhite)) << j;
        }
    }
    // No tick at the arrowhead ends.
    EXPECT_TRUE(hasColor(image(), g.col(-10), g.row(0.15), kWhite));
    EXPECT_TRUE(hasColor(image(), g.col(-0.15), g.row(-10), kWhite));
}

INSTANTIATE_TEST_SUITE_P(LabelsHiddenOrShown, PlaneTicks,
                         ::testing::Values(TickCase{false, kBlack, kBlack, kBlack},
                                           TickCase{true, kBlack, kRed, kRed}));

// Regions where axis-coloured pixels may appear besides the labels.
std::vector<QRect> axisRegions(const PlaneGrid& g) {
    const int L = g.L;
    const double tick = L / 40.0;
    std::vector<QRect> r;
    r.push_back(QRect(0, g.row(0) - 1, g.width, 3));
    r.push_back(QRect(g.col(0) - 1, 0, 3, g.height));
    for (int j = 1 - L; j <= L - 1; ++j) {
        r.push_back(QRect(QPoint(g.col(j) - 1, g.row(tick) - 1), QPoint(g.col(j) + 1, g.row(0))));
        r.push_back(QRect(QPoint(g.col(-tick) - 1, g.row(j) - 1), QPoint(g.col(0), g.row(j) + 1)));
    }
    r.push_back(
        QRect(QPoint(g.col(L - 0.5) - 1, g.row(0.5) - 1), QPoint(g.width, g.row(-0.5) + 1)));
    r.push_back(QRect(QPoint(g.col(-0.5) - 1, 0), QPoint(g.col(0.5) + 1, g.row(L - 0.5) + 1)));
    return r;
}

struct LabelBox {
    QString text;
    QRect box;
};

std::vector<LabelBox> expectedLabels(const PlaneGrid& g, const QFontMetrics& fm) {
    const int L = g.L;
    const double yLabelX = -std::fabs(L / 10.0);
    std::vector<LabelBox> labels;
    for (int j = 1 - L; j <= L - 1; ++j) {
        const QString text = QString::number(j);
        const QSize size(fm.horizontalAdvance(text), fm.height());
        labels.push_back(
            {text, QRect(QPoint(g.col(j - 0.45), g.row(-0.2)), size).adjusted(-1, -1, 1, 1)});
        if (j != 0) {
            labels.push_back(
                {text, QRect(QPoint(g.col(yLabelX), g.row(j + 0.2)), size).adjusted(-1, -1, 1, 1)});
        }
    }
    return labels;
}

class PlaneLabels : public PlaneFixture, public ::testing::WithParamInterface<int> {};

TEST_P(PlaneLabels, LabelsStandInTheirBoxesAndNowhereElse) {
    const int L = GetParam();
    chooseSwatchColor("zbcolor", kRed);
    drawPlane(L, false, true);
    const PlaneGrid g = grid();
    const QFontMetrics fm(surface.font());
    const auto labels = expectedLabels(g, fm);
    ASSERT_EQ(labels.size(), static_cast<size_t>(2 * L - 1 + 2 * L - 2));
    for (const auto& l : labels)
        EXPECT_GT(countColor(image(), l.box, kRed), 0) << l.text.toStdString();

    std::vector<QRect> allowed = axisRegions(g);
    for (const auto& l : labels) allowed.push_back(l.box);
    int stray = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x) {
            if (!hasColor(image(), x, y, kRed)) continue;
            bool inside = false;
            for (const QRect& r : allowed) inside = inside || r.contains(x, y);
            if (!inside) ++stray;
        }
    EXPECT_EQ(stray, 0);
}

INSTANTIATE_TEST_SUITE_P(AxisLengths, PlaneLabels, ::testing::Values(10, 5, 20));

TEST_F(PlaneDrawing, HiddenLabelsLeaveOnlyAxesTicksAndArrows) {
    chooseSwatchColor("zbcolor", kRed);
    drawPlane(10, false, false);
    const PlaneGrid g = grid();
    const auto allowed = axisRegions(g);
    int stray = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x) {
            if (!hasColor(image(), x, y, kRed)) continue;
            bool inside = false;
            for (const QRect& r : allowed) inside = inside || r.contains(x, y);
            if (!inside) ++stray;
        }
    EXPECT_EQ(stray, 0);
    // The ticks are black then, so no label box holds anything of the axis colour.
    for (const auto& l : expectedLabels(g, QFontMetrics(surface.font())))
        EXPECT_EQ(
            countColor(image(), l.box.intersected(QRect(0, g.row(0) + 2, g.width, g.height)), kRed),
            0);
}

TEST_F(PlaneDrawing, ChosenColoursReachGridBackgroundAndAxes) {
    control<QCheckBox>("opnet")->setChecked(true);
    const PlaneGrid g = grid();
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(5), kDefaultGrid));
    chooseSwatchColor("wgcolor", 0xFF0000);
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(5), 0xFF0000));
    chooseSwatchColor("bgcolor", 0x00FFFF);
    EXPECT_EQ(surface.backColor(), 0x00FFFFu);
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(-7.5), 0x00FFFF));
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(5), 0xFF0000));
    chooseSwatchColor("zbcolor", 0x008000);
    EXPECT_TRUE(hasColor(image(), g.col(-7.5), g.row(0), 0x008000));
}

struct AfterXY {
    bool labels;
    int bl;
    BgrColor drawingColour;
    int penWidth;
};

class PlaneState : public PlaneFixture, public ::testing::WithParamInterface<AfterXY> {};

TEST_P(PlaneState, DrawingColourAndPenWidthAfterRedraw) {
    const AfterXY c = GetParam();
    chooseSwatchColor("zbcolor", kRed);
    shell.state.bl = c.bl;
    drawPlane(10, false, c.labels);
    EXPECT_EQ(surface.foreColor(), c.drawingColour);
    EXPECT_EQ(surface.drawWidth(), c.penWidth);
}

INSTANTIATE_TEST_SUITE_P(Variants, PlaneState,
                         ::testing::Values(AfterXY{true, 2, kRed, 2}, AfterXY{false, 2, kBlack, 2},
                                           AfterXY{true, 1, kRed, 1}, AfterXY{true, 7, kRed, 1}));

}  // namespace
}  // namespace zeto::test
