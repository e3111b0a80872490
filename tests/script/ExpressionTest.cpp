#include "Evaluate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zeto::test {
namespace {

struct Case {
    std::string expression;
    std::string text;      // the value's text form
    std::string typeName;  // its variant subtype
};

std::string repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

void expectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expression);
        script::Value v = evaluate(c.expression);
        EXPECT_EQ(v.toText(), c.text);
        EXPECT_EQ(v.typeName(), c.typeName);
    }
}

TEST(Expression, PrecedenceAndAssociativity) {
    expectCases({
        {"1+2*3", "7", "Integer"},
        {"(1+2)*3", "9", "Integer"},
        {"-2^2", "-4", "Double"},
        {"(-2)^2", "4", "Double"},
        {"2^3^2", "64", "Double"},
        {"2^-1", "0.5", "Double"},
        {"2^-1^2", "0.25", "Double"},
        {"2*-3", "-6", "Integer"},
        {"1--1", "2", "Integer"},
        {"- -1", "1", "Integer"},
        {"+5", "5", "Integer"},
        {"10-4-3", "3", "Integer"},
        {"100/10/5", "2", "Double"},
        {"2*3 Mod 4", "2", "Integer"},
        {"1 MOD 1 + 3 mod 2", "1", "Integer"},
        {"9 Mod 6 \\ 2", "0", "Integer"},
        {"10\\3*2", "1", "Integer"},
        {"1+2 & 3+4", "37", "String"},
        {"Not 1 = 2", "True", "Boolean"},
        {"1 Or 2 And 0", "1", "Integer"},
        {"1 = 1 Or 1 = 2", "True", "Boolean"},
        {"True Xor True Or True", "False", "Boolean"},
        {"False Imp True Eqv False", "True", "Boolean"},
        // Brackets side by side do not add up to a nesting too deep.
        {"1" + repeated("+(1)", 200), "201", "Integer"},
    });
}

TEST(Expression, ArithmeticOperators) {
    expectCases({
        {"7/2", "3.5", "Double"},
        {"1/4", "0.25", "Double"},
        {"7\\2", "3", "Integer"},
        {"-7\\2", "-3", "Integer"},
        {"7.5\\2", "4", "Long"},
        {"6.5\\2", "3", "Long"},
        {"7 Mod 3", "1", "Integer"},
        {"-7 Mod 3", "-1", "Integer"},
        {"7 Mod -3", "1", "Integer"},
        {"5.5 Mod 2", "0", "Long"},
        {"32767+1", "32768", "Long"},
        {"200*200", "40000", "Long"},
        {"2147483647+1", "2147483648", "Double"},
        {"-32768-1", "-32769", "Long"},
        {"0.1+0.2", "0.3", "Double"},
        {"0^0", "1", "Double"},
        {"\"3\"+4", "7", "Double"},
        {"\"ab\"+\"cd\"", "abcd", "String"},
        {"True+True", "-2", "Integer"},
        {"Empty+1", "1", "Integer"},
        {"undefinedName", "", "Empty"},
        {"undefinedName*2+1", "1", "Integer"},
    });
}

TEST(Expression, ComparisonAndLogic) {
    expectCases({
        {"1<2", "True", "Boolean"},
        {"(1<2)+0", "-1", "Integer"},
        {"3=3", "True", "Boolean"},
        {"3<>3", "False", "Boolean"},
        {"2>=3", "False", "Boolean"},
        {"2<=2", "True", "Boolean"},
        {"2>1", "True", "Boolean"},
        {"0.1+0.2=0.3", "False", "Boolean"},
        {"\"a\"<\"b\"", "True", "Boolean"},
        {"\"B\"<\"a\"", "True", "Boolean"},
        {"Not 0", "-1", "Integer"},
        {"Not True", "False", "Boolean"},
        {"5 And 3", "1", "Integer"},
        {"5 Or 3", "7", "Integer"},
        {"5 Xor 3", "6", "Integer"},
        {"5 Eqv 3", "-7", "Integer"},
        {"5 Imp 3", "-5", "Integer"},
        {"70000 And 65535", "4464", "Long"},
        {"True And False", "False", "Boolean"},
        {"True Or False", "True", "Boolean"},
    });
}

TEST(Expression, Literals) {
    expectCases({
        {"&HFF", "255", "Integer"},
        {"&hff", "255", "Integer"},
        {"&HFFFF", "-1", "Integer"},
        {"&H8000", "-32768", "Integer"},
        {"&H10000", "65536", "Long"},
        {"&HFFFFFFFF", "-1", "Long"},
        {"&O17", "15", "Integer"},
        {"1E3", "1000", "Double"},
        {"1.5e-3", "0.0015", "Double"},
        {".5", "0.5", "Double"},
        {"1.", "1", "Double"},
        {"1E-400", "0", "Double"},
        {"32767", "32767", "Integer"},
        {"32768", "32768", "Long"},
        {"-32768", "-32768", "Long"},
        {"2147483648", "2147483648", "Double"},
        {"\"a\"\"b\"", "a\"b", "String"},
        {"\"\"", "", "String"},
        {"True", "True", "Boolean"},
        {"FALSE", "False", "Boolean"},
        {"Empty", "", "Empty"},
        {"\"数\" & 1", "数1", "String"},
    });
}

TEST(Expression, Functions) {
    expectCases({
        {"Abs(-3)", "3", "Integer"},
        {"Abs(-2.5)", "2.5", "Double"},
        {"Abs(-32768)", "32768", "Long"},
        {"Cos(0)", "1", "Double"},
        {"Sin(0)", "0", "Double"},
        {"Tan(0)", "0", "Double"},
        {"Log(1)", "0", "Double"},
        {"Sqr(16)", "4", "Double"},
        {"Sqr(0)", "0", "Double"},
        {"SQR(2)^2", "2", "Double"},
        {"SqR(9)+sQr(16)", "7", "Double"},
        {"Fix(-2.5)", "-2", "Double"},
        {"Int(-2.5)", "-3", "Double"},
        {"Int(2.7)", "2", "Double"},
        {"Int(7)", "7", "Integer"},
        {"Round(2.5)", "2", "Double"},
        {"Round(3.5)", "4", "Double"},
        {"Round(-2.5)", "-2", "Double"},
        {"Round(1.23456, 2)", "1.23", "Double"},
        {"Round(0.125, 2)", "0.12", "Double"},
        {"Round(0.375, 2)", "0.38", "Double"},
        {"Round(7)", "7", "Integer"},
        {"Sgn(-5)", "-1", "Integer"},
        {"Sgn(0)", "0", "Integer"},
        {"Sgn(0.1)", "1", "Integer"},
        {"CDbl(\"1.5\")", "1.5", "Double"},
        {"CInt(2.5)", "2", "Integer"},
        {"CInt(3.5)", "4", "Integer"},
        {"CInt(-2.5)", "-2", "Integer"},
        {"CInt(-32768.5)", "-32768", "Integer"},
        {"CLng(100000.5)", "100000", "Long"},
        {"CSng(1/3)", "0.3333333", "Single"},
        {"CSng(1.1)+CSng(2.2)", "3.3", "Single"},
        {"CSng(1)/CSng(3)", "0.3333333", "Single"},
        {"CSng(1)+CLng(1)", "2", "Double"},
        {"CStr(1/4)", "0.25", "String"},
        {"CStr(True)", "True", "String"},
        {"Hex(255)", "FF", "String"},
        {"Hex(-1)", "FFFF", "String"},
        {"Hex(65536)", "10000", "String"},
        {"Hex(CLng(-1))", "FFFFFFFF", "String"},
        {"Hex(Empty)", "0", "String"},
        {"Oct(8)", "10", "String"},
        {"Oct(-1)", "177777", "String"},
        {"Oct(CLng(-1))", "37777777777", "String"},
        {"TypeName(1.5)", "Double", "String"},
    });
}

TEST(Expression, TranscendentalValuesMatchTheLibrary) {
    struct Numeric {
        std::string expression;
        double expected;
    };
    const double pi = std::acos(-1.0);
    const std::vector<Numeric> cases{
        {"log(3.2)/log(10)+cos(3)-2*sqr(2)",
         std::log(3.2) / std::log(10.0) + std::cos(3.0) - 2 * std::sqrt(2.0)},
        {"Atn(1)*4", pi},
        {"Exp(1)", std::exp(1.0)},
        {"sin(1)^2+cos(1)^2", 1.0},
        {"Tan(0.5)", std::tan(0.5)},
        {"(-5)+1/(-5)", -5.2},
        {"(-4.99)+1/(-4.99)", -4.99 + 1 / -4.99},
        {"2^0.5", std::sqrt(2.0)},
        {"(-8)^3", -512.0},
    };
    for (const Numeric& c : cases) {
        SCOPED_TRACE(c.expression);
        script::Value v = evaluate(c.expression);
        EXPECT_EQ(v.type(), script::Value::Type::Number);
        EXPECT_NEAR(v.toNumber(), c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected)));
    }
}

TEST(Expression, RandomNumbersStayInRangeAndRepeatBySeed) {
    for (int i = 0; i < 50; ++i) {
        double r = evaluate("Rnd").toNumber();
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
    EXPECT_EQ(evaluate("Rnd(-3) = Rnd(-3)").toText(), "True");
    EXPECT_EQ(evaluate("Rnd(1) = Rnd(0)").toText(), "True");
    EXPECT_EQ(evaluate("Rnd() = Rnd()").toText(), "False");
    EXPECT_EQ(evaluate("TypeName(Rnd)").toText(), "Single");
}

}  // namespace
}  // namespace zeto::test
