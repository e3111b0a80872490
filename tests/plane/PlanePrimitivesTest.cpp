#include "PlaneFixture.h"

#include "platform/core/VbError.h"

#include <QFontMetrics>

#include <limits>

namespace zeto::test {
namespace {

constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kGreen = 0x00FF00;

using PlanePrimitives = PlaneFixture;

TEST_F(PlanePrimitives, DrawDotUsesThePenWidthAndKeepsTheDrawingColour) {
    const BgrColor drawing = surface.foreColor();
    form3.DrawDot(2.5, -3.25, kGreen);
    const PlaneGrid g = grid();
    // Pen width 2 at start: a 2 x 2 block ending on the point's pixel.
    EXPECT_EQ(countColor(image(), QRect(g.col(2.5) - 1, g.row(-3.25) - 1, 2, 2), kGreen), 4);
    EXPECT_EQ(countColor(image(), kGreen), 4);
    EXPECT_EQ(surface.foreColor(), drawing);
    EXPECT_FLOAT_EQ(surface.currentX(), 2.5f);
    EXPECT_FLOAT_EQ(surface.currentY(), -3.25f);
}

TEST_F(PlanePrimitives, DrawDotOutsideThePlaneIsClippedQuietly) {
    const QImage before = image();
    form3.DrawDot(10.5, 0, kGreen);
    form3.DrawDot(0, -11, kGreen);
    form3.DrawDot(1e30, -1e30, kGreen);
    form3.DrawDot(3.4e38, 3.4e38, kGreen);
    EXPECT_EQ(image(), before);
}

TEST_F(PlanePrimitives, OutOfRangeCoordinatesRaiseOverflow) {
    const QImage before = image();
    const BgrColor drawing = surface.foreColor();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {1e39, -1e39, nan, inf, -inf}) {
        for (int which = 0; which < 4; ++which) {
            try {
                switch (which) {
                    case 0:
                        form3.DrawDot(bad, 0, kGreen);
                        break;
                    case 1:
                        form3.DrawDot(0, bad, kGreen);
                        break;
                    case 2:
                        form3.PrintWord(bad, 0, "w", "255");
                        break;
                    default:
                        form3.PrintWord(0, bad, "w", "255");
                        break;
                }
                ADD_FAILURE() << which << " accepted " << bad;
            } catch (const VbError& e) {
                EXPECT_EQ(e.code(), VbError::Overflow);
            }
        }
    }
    EXPECT_EQ(image(), before);
    EXPECT_EQ(surface.foreColor(), drawing);
}

struct ColourTextCase {
    const char* text;
    BgrColor colour;
};

class PrintWordColour : public PlaneFixture,
                        public ::testing::WithParamInterface<ColourTextCase> {};

TEST_P(PrintWordColour, ColourTextIsReadByItsLeadingNumberAndStays) {
    const ColourTextCase c = GetParam();
    form3.PrintWord(-7, 8, "Ab", QString::fromUtf8(c.text));
    EXPECT_EQ(surface.foreColor(), c.colour) << c.text;
    const PlaneGrid g = grid();
    const QFontMetrics fm(surface.font());
    EXPECT_GT(
        countColor(image(), QRect(g.col(-7), g.row(8), fm.horizontalAdvance("Ab"), fm.height()),
                   c.colour),
        0)
        << c.text;
    // Later segments without a colour of their own use it.
    surface.line(-8, -8, -6, -8);
    EXPECT_TRUE(hasColor(image(), g.col(-7), g.row(-8), c.colour)) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PrintWordColour,
    ::testing::Values(ColourTextCase{"255", kRed}, ColourTextCase{"65280", kGreen},
                      ColourTextCase{" 255 blue", kRed}, ColourTextCase{"&HFF0000", 0xFF0000},
                      ColourTextCase{"abc", 0}, ColourTextCase{"-1", 0xFFFFFF}));

TEST_F(PlanePrimitives, ColourTextBeyondTheIntegerRangeOverflows) {
    for (const char* text : {"1e20", "-3000000000", "1e400"}) {
        try {
            form3.PrintWord(0, 0, "w", text);
            ADD_FAILURE() << text;
        } catch (const VbError& e) {
            EXPECT_EQ(e.code(), VbError::Overflow);
        }
    }
}

TEST_F(PlanePrimitives, PrintWordFarOutsideWritesNothing) {
    const QImage before = image();
    form3.PrintWord(1e30, 1e30, "far", "255");
    form3.PrintWord(-1e30, -1e30, "far", "255");
    EXPECT_EQ(image(), before);
    EXPECT_EQ(surface.foreColor(), kRed);
}

TEST_F(PlanePrimitives, RedrawLeavesOnlyThePlane) {
    const QImage plane = image();
    form3.DrawDot(1, 1, kGreen);
    form3.PrintWord(2, 2, "text", "255");
    surface.circle(0, 0, 4, kGreen);
    form3.XY();
    EXPECT_EQ(image(), plane);
}

TEST_F(PlanePrimitives, HiddenWindowKeepsItsPicture) {
    form3.show();
    form3.DrawDot(1, 1, kGreen);
    form3.hide();
    form3.show();
    EXPECT_GT(countColor(image(), kGreen), 0);
    const QImage shown = surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, image());
}

}  // namespace
}  // namespace zeto::test
