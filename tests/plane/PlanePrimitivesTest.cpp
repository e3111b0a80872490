#include "PlaneFixture.h"

#include <functional>
#include <limits>

namespace zeto::test {
namespace {

using PlanePrimitives = PlaneFixture;

// The colour text is read before the coordinates: a refused call leaves the drawing colour.
TEST_F(PlanePrimitives, OutOfRangeValuesRaiseOverflowAndChangeNothing) {
    const QImage before = image();
    const BgrColor drawing = surface.foreColor();
    std::vector<std::function<void()>> operations;
    for (double bad : {1e39, std::numeric_limits<double>::quiet_NaN()}) {
        operations.push_back([=] { form3.DrawDot(bad, 0, kGreen); });
        operations.push_back([=] { form3.PrintWord(bad, 0, "w", "255"); });
        operations.push_back([=] { form3.PrintWord(0, bad, "w", "255"); });
    }
    // Colour texts beyond the 32-bit integer range.
    for (const char* text : {"1e20", "-3000000000", "1e400"})
        operations.push_back([=] { form3.PrintWord(0, 0, "w", text); });
    for (size_t k = 0; k < operations.size(); ++k)
        EXPECT_EQ(errorCode(operations[k]), VbError::Overflow) << k;
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
    EXPECT_EQ(surface.foreColor(), c.colour);
    EXPECT_GT(inTextBox(-7, 8, "Ab", c.colour), 0);
    // Later segments without a colour of their own use it.
    surface.line(-8, -8, -6, -8);
    EXPECT_TRUE(hasColor(image(), grid().col(-7), grid().row(-8), c.colour));
}

INSTANTIATE_TEST_SUITE_P(Texts, PrintWordColour,
                         ::testing::Values(ColourTextCase{"255", kRed},
                                           ColourTextCase{"65280", kGreen},
                                           ColourTextCase{" 255 blue", kRed},
                                           ColourTextCase{"&HFF0000", kBlue},
                                           ColourTextCase{"abc", 0}, ColourTextCase{"-1", kWhite}));

TEST_F(PlanePrimitives, RedrawLeavesOnlyThePlane) {
    const QImage plane = image();
    form3.DrawDot(1, 1, kGreen);
    form3.PrintWord(2, 2, "text", "255");
    surface.circle(0, 0, 4, kGreen);
    form3.XY();
    EXPECT_EQ(image(), plane);
}

}  // namespace
}  // namespace zeto::test
