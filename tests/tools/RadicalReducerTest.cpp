#include "tools/core/RadicalReducer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using zeto::Radical;
using zeto::RadicalReducer;

namespace {

struct Case {
    double value;
    double m;
    double r;
};

// Factorisations worked out independently.
const Case kCases[] = {
    {72, 6, 2},
    {8, 2, 2},
    {2, 1, 2},
    {16, 4, 1},
    {1, 1, 1},
    {0, 1, 0},
    {12, 2, 3},
    {9999999967, 1, 9999999967},              // ten-digit prime
    {999999937, 1, 999999937},                // prime
    {4503599627370496, 67108864, 1},          // 2^52
    {9007199254740992, 67108864, 2},          // 2^53
    {999966000289, 999983, 1},                // square of a prime above the cube root
    {999962000357, 1, 999962000357},          // two different large primes
    {1999932000578, 999983, 2},               // 2 * 999983^2
    {9000000000000000, 30000000, 10},         // 9e15
    {4503599627370449, 1, 4503599627370449},  // prime near 2^52
    {9999800001, 99999, 1},                   // 99999^2
};

// Values that are never reduced: not whole, negative or beyond exact whole numbers.
const double kUnreduced[] = {
    2.5, 0.25, -4, 9007199254740994.0, 9.99e99, std::numeric_limits<double>::infinity()};

}  // namespace

TEST(RadicalReducer, WorkedValues) {
    for (const Case& c : kCases) {
        const Radical got = RadicalReducer::reduce(c.value);
        EXPECT_EQ(got.m, c.m) << c.value;
        EXPECT_EQ(got.r, c.r) << c.value;
    }
}

TEST(RadicalReducer, AgreesWithLargestSquareDivisor) {
    for (unsigned long long v = 0; v <= 5000; ++v) {
        unsigned long long k = 1;
        for (unsigned long long d = 1; d * d <= v; ++d)
            if (v % (d * d) == 0) k = d;
        const Radical got = RadicalReducer::reduce(static_cast<double>(v));
        ASSERT_EQ(got.m, static_cast<double>(k)) << v;
        ASSERT_EQ(got.r, v == 0 ? 0.0 : static_cast<double>(v / (k * k))) << v;
    }
}

TEST(RadicalReducer, LeavesOtherValuesUnreduced) {
    for (double v : kUnreduced) {
        const Radical got = RadicalReducer::reduce(v);
        EXPECT_EQ(got.m, 1) << v;
        EXPECT_EQ(got.r, v) << v;
    }
}
