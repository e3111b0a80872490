#include "platform/core/NumberText.h"
#include "tools/core/SequenceMath.h"

#include <gtest/gtest.h>

#include <limits>

namespace zeto {
namespace {

// Further worked values reach these through the sequence page's preview and sum.
TEST(SequenceMath, WorkedValuesAndOverflow) {
    using Function = std::optional<double> (*)(double, double, double);
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        Function f;
        double a1, step, n;
        const char* text;  // nullptr: too large
    } cases[] = {
        {arithmeticTerm, 0.1, 0.2, 2, "0.3"},
        {arithmeticTerm, inf, 1, 1, nullptr},
        {geometricTerm, 1, 2, 3, "4"},
        {geometricTerm, 3, 0, 1, "3"},  // 0^0 = 1
        {geometricTerm, 1, -3, 4, "-27"},
        {geometricTerm, 1, 0.5, 18, "7.62939453125E-06"},
        {geometricTerm, 1e10, 10, 300, nullptr},
        {arithmeticSum, 0.5, 0.25, 4, "3.5"},
        {arithmeticSum, 7, 3, 0, "0"},
        {arithmeticSum, 1e300, 1e300, 1e10, nullptr},
        {geometricSum, 2, 0.5, 3, "3.5"},
        {geometricSum, 1, -1, 5, "1"},
        {geometricSum, 4, 1, 20, "80"},  // ratio 1: N * a1
        {geometricSum, 4, 1, 2.5, "10"},
        {geometricSum, 1, 10, 400, nullptr},
        {geometricSum, 1e300, 1e10, 10, nullptr},
        {geometricSum, 1, -2, 2.5, nullptr},  // no real power
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a1 << " " << c.step << " " << c.n);
        const auto value = c.f(c.a1, c.step, c.n);
        if (!c.text) {
            EXPECT_FALSE(value.has_value());
        } else {
            ASSERT_TRUE(value.has_value());
            EXPECT_EQ(formatNumber(*value), c.text);
        }
    }
}

}  // namespace
}  // namespace zeto
