#include "platform/core/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace zeto;

TEST(NumberText, LeadingNumberReadsTheStartOfTheText) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"12abc", 12},   {"  -3.5xyz", -3.5},
        {"abc", 0},      {"", 0},
        {"   ", 0},      {".5", 0.5},
        {"-.25", -0.25}, {"1e3", 1000},
        {"1E-2x", 0.01}, {"2.5D2", 250},
        {"1e", 1},       {"1e+", 1},
        {"+7", 7},       {"- 5", 0},
        {"1.2.3", 1.2},  {"&H1F", 31},
        {"&o17", 15},    {"9.99e99", 9.99e99},
        {"\t42", 42},    {"0x10", 0},
        {"1,5", 1},      {"-", 0},
        {".", 0},        {"5.", 5},
    };
    for (const Row& row : rows)
        EXPECT_DOUBLE_EQ(leadingNumber(std::string_view(row.text)), row.value) << row.text;
    EXPECT_TRUE(std::isinf(leadingNumber(std::string_view("1e400"))));
    EXPECT_DOUBLE_EQ(leadingNumber(QStringLiteral("３")), 0);  // full-width digits are not digits
}

TEST(NumberText, StrictReadingNeedsTheWholeText) {
    struct Row {
        const char* text;
        bool numeric;
        double value;
    };
    const Row rows[] = {
        {"12", true, 12},    {" 12 ", true, 12}, {"-0.5", true, -0.5}, {"1e-3", true, 0.001},
        {"+4.", true, 4},    {".5", true, 0.5},  {"", false, 0},       {"  ", false, 0},
        {"12abc", false, 0}, {"abc", false, 0},  {"1 2", false, 0},    {"--1", false, 0},
        {"1e400", false, 0}, {"e5", false, 0},   {".", false, 0},      {"1e", false, 0},
    };
    for (const Row& row : rows) {
        auto value = strictNumber(std::string_view(row.text));
        EXPECT_EQ(value.has_value(), row.numeric) << row.text;
        EXPECT_EQ(isNumeric(QString::fromLatin1(row.text)), row.numeric) << row.text;
        if (value) {
            EXPECT_DOUBLE_EQ(*value, row.value) << row.text;
        }
    }
}

TEST(NumberText, TextFormOfDoubles) {
    struct Row {
        double value;
        const char* text;
    };
    const Row rows[] = {
        {0, "0"},
        {-0.0, "0"},
        {0.25, "0.25"},
        {-0.5, "-0.5"},
        {199, "199"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {std::sqrt(8.0), "2.82842712474619"},
        {std::sqrt(2.5), "1.58113883008419"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-0.00001234, "-1.234E-05"},
        {1e14, "100000000000000"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {std::ldexp(1.0, 99), "6.33825300114115E+29"},
        {1e300, "1E+300"},
        {-1e-300, "-1E-300"},
        {3120, "3120"},
        {-3.3132704, "-3.3132704"},
        {1000000000000005, "1E+15"},  // an exact tie goes to the even digit
        {1000000000000015, "1.00000000000002E+15"},
        {999999999999999.5, "1E+15"},
    };
    for (const Row& row : rows) EXPECT_EQ(formatNumber(row.value), row.text) << row.value;
    EXPECT_EQ(numberText(0.1 + 0.2), QStringLiteral("0.3"));
    // Decimals the program works out exactly use the same text form, beyond doubles too.
    EXPECT_EQ(formatDigits({true, "714285714285718", -608}, 15), "-7.14285714285718E-608");
}

TEST(NumberText, TextFormOfSingles) {
    struct Row {
        float value;
        const char* text;
    };
    const Row rows[] = {
        {0.1f, "0.1"},
        {-5.0f, "-5"},
        {static_cast<float>(3.1415926535 / 1000), "0.003141593"},
        {static_cast<float>(3.1415926535 / 600), "0.005235988"},
        {1e-5f, "1E-05"},
        {1234567.0f, "1234567"},
        {16777216.0f, "1.677722E+07"},
        {123456789.0f, "1.234568E+08"},
    };
    for (const Row& row : rows) EXPECT_EQ(formatSingle(row.value), row.text) << row.value;
}

TEST(NumberText, SinglePrecisionStoreRoundsOrOverflows) {
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(1e30), 1e30f);
    EXPECT_EQ(toSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(toSingle(-static_cast<double>(FLT_MAX) * (1 + 1e-9)), -FLT_MAX);
    EXPECT_TRUE(std::isinf(toSingle(1e39)));
    EXPECT_TRUE(std::isinf(toSingle(-1e39)));
    EXPECT_TRUE(std::isnan(toSingle(std::numeric_limits<double>::quiet_NaN())));
}
