#include "tools/core/RadicalReducer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using zeto::Radical;
using zeto::RadicalReducer;
using zeto::WholeRadical;

namespace {

struct Case {
    double value;
    double m;
    double r;
};

// Factorisations worked out independently; small values are checked one by one below.
const Case kCases[] = {
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

// Whole numbers beyond doubles, built from primes found independently (p = 1000000000039,
// the first prime above 10^12, and so on).
const struct {
    const char* value;
    const char* m;
    const char* r;
    bool squareFree;
} kLargeCases[] = {
    {"2000000000156000000003042", "1000000000039", "2", true},  // 2 p^2
    // 10000019^2 * 10000000000037: a square of a prime far beyond trial division
    {"1000003800007310014060013357", "10000019", "10000000000037", true},
    {"1000000000117000000004563000000059319", "1000000000039", "1000000000039", true},  // p^3
    {"3802951800684688204490109616128", "1125899906842624", "3", true},                 // 2^100 * 3
    // (p * 1000000000000037)^2
    {"1000000000078074000001526773369000112660782000002082249", "1000000000039037000000001443", "1",
     true},
    {"9007199254740993", "1", "9007199254740993", true},  // 2^53 + 1 = 3 * 107 * 28059810762433
    // Out of reach: 100000000000000000039^2 * 1000000000000000000117, and a prime too large
    // to prove one. Either might hide a square; the split says so.
    {"10000000000000000008970000000000000002433600000000000000177957", "1",
     "10000000000000000008970000000000000002433600000000000000177957", false},
    {"1000000000000000000000000000057", "1", "1000000000000000000000000000057", false},
};

TEST(RadicalReducer, LargeWholeNumbers) {
    for (const auto& c : kLargeCases) {
        const WholeRadical got = RadicalReducer::reduce(mpz_class(c.value));
        EXPECT_EQ(got.m, mpz_class(c.m)) << c.value;
        EXPECT_EQ(got.r, mpz_class(c.r)) << c.value;
        EXPECT_EQ(got.squareFree, c.squareFree) << c.value;
    }
}

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
        // Beyond 2^53 the same numbers, times a square, take the other way.
        if (v == 0) continue;
        const mpz_class square = mpz_class(1) << 54;
        const WholeRadical large =
            RadicalReducer::reduce(static_cast<unsigned long>(v) * square * square);
        ASSERT_EQ(large.m, static_cast<unsigned long>(k) * square) << v;
        ASSERT_EQ(large.r, static_cast<unsigned long>(v / (k * k))) << v;
    }
}

TEST(RadicalReducer, LeavesOtherValuesUnreduced) {
    for (double v : kUnreduced) {
        const Radical got = RadicalReducer::reduce(v);
        EXPECT_EQ(got.m, 1) << v;
        EXPECT_EQ(got.r, v) << v;
    }
}
