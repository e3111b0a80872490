// The worked steps checked by their text: every expected piece was worked out by hand.

#include "tools/core/EquationSteps.h"
#include "tools/core/MathBox.h"
#include "tools/core/RadicalSteps.h"
#include "tools/core/SequenceSteps.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using zeto::MathBox;

namespace {

struct Expectation {
    std::vector<std::string> includes;
    std::vector<std::string> excludes;
};

void expectText(const std::vector<MathBox>& lines, const Expectation& expected) {
    const std::string text = MathBox::linear(lines).remove(QLatin1Char(' ')).toStdString();
    SCOPED_TRACE(text);
    for (const std::string& piece : expected.includes)
        EXPECT_NE(text.find(piece), std::string::npos) << "missing " << piece;
    for (const std::string& piece : expected.excludes)
        EXPECT_EQ(text.find(piece), std::string::npos) << "unexpected " << piece;
}

const std::string kE300 = "1" + std::string(300, '0');

}  // namespace

TEST(StepTexts, Equations) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double a, b, c;
        Expectation expected;
    } cases[] = {
        {1,
         -2,
         -3,
         {{"Δ=(-2)²-4×1×(-3)=16", "Δ=16>0，方程有两个不相等的实数根", "因式分解法：(x+1)(x-3)=0",
           "(x-1)²=4", "x=(-(-2)±√16)/(2×1)=(2±4)/2=1±2", "x₁=3\nx₂=-1", "x₁+x₂=2", "x₁x₂=-3"},
          {"两边同"}}},
        {2,
         -3,
         -5,
         {{"Δ=(-3)²-4×2×(-5)=49", "(x+1)(2x-5)=0", "两边同除以2：x²-3x/2-5/2=0", "(x-3/4)²=49/16",
           "x₁=5/2\nx₂=-1", "x₁+x₂=3/2", "x₁x₂=-5/2"},
          {}}},
        {1,
         1,
         -1,
         {{"Δ=5>0", "移项：x²+x=1", "配方：x²+x+(1/2)²=1+(1/2)²", "(x+1/2)²=5/4",
           "x₁=(-1+√5)/2≈0.618033988749895", "x₂=(-1-√5)/2≈-1.61803398874989"},
          {"因式分解"}}},
        {1, -2, 1, {{"Δ=0，方程有两个相等的实数根", "(x-1)²=0", "x₁=x₂=1"}, {"\nx₂="}}},
        {1,
         1,
         1,
         {{"Δ=1²-4×1×1=-3", "Δ=-3<0，方程没有实数根", "(x+1/2)²=-3/4", "没有实数根"},
          {"x₁", "韦达", "公式法", "因式分解"}}},
        {0.5, 1.5, 1, {{"0.5x²+1.5x+1=0", "两边同乘2：x²+3x+2=0", "(x+1)(x+2)=0"}, {}}},
        // a < 0: the constant -1 in front, and x₁ is the root with +√Δ as the page shows it.
        {-1,
         2,
         3,
         {{"Δ=2²-4×(-1)×3=16", "-(x+1)(x-3)=0", "两边同除以-1：x²-2x-3=0",
           "(-2±√16)/(2×(-1))=(-2±4)/(-2)=1±2", "x₁=-1\nx₂=3"},
          {}}},
        {1,
         0,
         -2,
         {{"Δ=0²-4×1×(-2)=8", "移项：x²=2\n", "x=±√8/(2×1)=±2√2/2=±√2", "x₁=√2≈1.4142135623731",
           "x₂=-√2≈-1.4142135623731", "x₁+x₂=0"},
          {"配方：", "因式分解"}}},
        // Roots equally far from 0: the negative root's factor first.
        {1, 0, -4, {{"(x+2)(x-2)=0", "x=±√16/(2×1)=±4/2=±2"}, {}}},
        {1, -3, 0, {{"x(x-3)=0", "配方：x²-3x+(3/2)²=(3/2)²", "(x-3/2)²=9/4", "x₁x₂=0"}, {"移项"}}},
        {4, 4, -1, {{"x=(-4±√32)/(2×4)=(-4±4√2)/8=(-1±√2)/2", "x₁=(-1+√2)/2"}, {}}},
        {2, -4, -6, {{"2(x+1)(x-3)=0"}, {"两边同乘"}}},
        // The decimals alone cannot make the whole multiplier: ×10, then ÷15.
        {1.5,
         3,
         1.5,
         {{"两边同乘10：15x²+30x+15=0\n两边同除以15：x²+2x+1=0", "(x+1)²=0", "x₁=x₂=-1"}, {}}},
        {1e-7, 0, -1e-7, {{"两边同乘10000000：x²-1=0", "(x+1)(x-1)=0"}, {}}},
        {1e9,
         -1e9,
         -2e9,
         {{"Δ=(-1000000000)²-4×1000000000×(-2000000000)=9000000000000000000",
           "1000000000(x+1)(x-2)=0", "x₁=2\nx₂=-1"},
          {}}},
        {1e300,
         2e300,
         1e300,
         {{"Δ=2" + kE300.substr(1) + "²-4×" + kE300 + "×" + kE300 + "=0", kE300 + "(x+1)²=0",
           "x₁=x₂=-1"},
          {}}},
        {0, 2, 1, {{"二次项系数为0，这不是一元二次方程"}, {"\n"}}},
        {1, inf, 1, {{"系数超出了数的范围"}, {"\n"}}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << row.a << ", " << row.b << ", " << row.c);
        expectText(zeto::EquationSteps::of(row.a, row.b, row.c), row.expected);
    }
}

TEST(StepTexts, Radicals) {
    const struct {
        double value;
        Expectation expected;
    } cases[] = {
        {72, {{"72=2³×3²\n√72=√(6²×2)=6√2\n所以√72=6√2"}, {}}},
        {2.5, {{"2.5=5/2", "分母有理化：√(5/2)=√(5×2)/√(2×2)=√10/2", "√2.5=√(5/2)=√10/2"}, {}}},
        {9999999967, {{"9999999967是质数", "所以√9999999967已是最简二次根式"}, {"×"}}},
        {16, {{"16=2⁴", "√16=√(4²)=4"}, {}}},
        {6, {{"6=2×3", "6没有大于1的平方因数", "所以√6已是最简二次根式"}, {}}},
        {9999999999, {{"9999999999=3²×11×41×271×9091", "=3√1111111111"}, {}}},
        {1e20, {{"=2²⁰×5²⁰", "=10000000000\n"}, {}}},
        {1.125, {{"√(9/8)=√(9×2)/√(8×2)=√18/4=3√2/4"}, {}}},
        // A square denominator needs no rationalising.
        {0.72, {{"0.72=18/25", "√(18/25)=√18/√25=3√2/5"}, {"分母有理化"}}},
        {0.25, {{"√(1/4)=√1/√4=1/2", "√0.25=√(1/4)=1/2"}, {}}},
        {0, {{"√0=0"}, {"\n"}}},
        {1, {{"√1=1"}, {"\n"}}},
        {-4, {{"被开方数必须是大于等于0的数"}, {"\n"}}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(testing::Message() << row.value);
        expectText(zeto::RadicalSteps::of(row.value), row.expected);
    }
}

TEST(StepTexts, Sequences) {
    using zeto::SequenceSteps;
    const struct {
        std::vector<MathBox> lines;
        Expectation expected;
    } cases[] = {
        {SequenceSteps::arithmetic(1, 2),
         {{"aₙ=a₁+(n-1)d=1+(n-1)×2=2n-1", "Sₙ=n(a₁+aₙ)/2=n²"}, {}}},
        {SequenceSteps::arithmetic(-1, -2), {{"=-1+(n-1)×(-2)=-2n+1", "Sₙ=n(a₁+aₙ)/2=-n²"}, {}}},
        {SequenceSteps::arithmetic(1, 0.5), {{"=1+(n-1)×0.5=(n+1)/2", "=(n²+3n)/4"}, {}}},
        {SequenceSteps::arithmetic(3, 0), {{"=3+(n-1)×0=3\n", "Sₙ=n(a₁+aₙ)/2=3n"}, {}}},
        {SequenceSteps::geometric(1, 2), {{"aₙ=a₁qⁿ⁻¹=2ⁿ⁻¹", "Sₙ=a₁(1-qⁿ)/(1-q)=2ⁿ-1"}, {}}},
        {SequenceSteps::geometric(3, 1), {{"=3×1ⁿ⁻¹=3\n", "Sₙ=na₁=3n"}, {"1-q"}}},
        {SequenceSteps::geometric(4, 2), {{"=4×2ⁿ⁻¹=2ⁿ⁺¹", "=4(2ⁿ-1)"}, {}}},
        {SequenceSteps::geometric(1, -2), {{"=(-2)ⁿ⁻¹", "=(1-(-2)ⁿ)/3"}, {}}},
        {SequenceSteps::geometric(2, 0.5), {{"=2×0.5ⁿ⁻¹=(1/2)ⁿ⁻²", "=4(1-(1/2)ⁿ)"}, {}}},
        {SequenceSteps::geometric(0, 2), {{"等比数列的首项不能为0"}, {"aₙ"}}},
        {SequenceSteps::geometric(1, 0), {{"等比数列的公比不能为0"}, {"aₙ"}}},
    };
    for (size_t k = 0; k < std::size(cases); ++k) {
        SCOPED_TRACE(testing::Message() << "row " << k);
        expectText(cases[k].lines, cases[k].expected);
    }
}

TEST(StepTexts, UserFormulas) {
    const std::string deep = std::string(500, '(') + "N" + std::string(500, ')');
    const struct {
        std::string typed;
        std::string term;
    } cases[] = {
        {"N^2+N+2", "n²+n+2"},
        {"2^N-1", "2ⁿ-1"},
        {"1/N", "1/n"},
        {"sqr(N)", "√n"},
        {"2*(N+1)", "2(n+1)"},
        {"2*sqr(N)", "2√n"},
        {"N*2", "n×2"},
        {"3*-N", "3×(-n)"},
        {"(N+1)/(N+2)", "(n+1)/(n+2)"},
        {"-N^2", "-n²"},
        {"(1/N)^2", "(1/n)²"},
        {"sqr(N)^2", "(√n)²"},
        {"N^(1/2)", "n^(1/2)"},
        {"N-(-2)", "n-(-2)"},
        {" Sqr( n ) ", "√n"},
        // Beyond the notation: shown as typed.
        {"abs(N)", "abs(N)"},
        {"2N", "2N"},
        {"(N+1", "(N+1"},
        {"N^", "N^"},
        {deep, deep},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed.substr(0, 40));
        const std::vector<MathBox> lines =
            zeto::SequenceSteps::custom(QString::fromStdString(row.typed));
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].linear().toStdString(), "aₙ=" + row.term);
        EXPECT_EQ(lines[1].linear().toStdString(), "Sₙ=a₁+a₂+…+aₙ");
    }
}

TEST(StepTexts, LinearForms) {
    const auto t = [](const char* text) { return MathBox::text(QString::fromUtf8(text)); };
    const auto row = [](std::vector<MathBox> items) { return MathBox::row(std::move(items)); };
    const struct {
        MathBox box;
        const char* linear;
    } cases[] = {
        {MathBox::fraction(row({t("1-"), MathBox::radical(t("5"))}), t("2")), "(1-√5)/2"},
        {MathBox::fraction(MathBox::radical(t("10")), t("2")), "√10/2"},
        {MathBox::fraction(t("-1"), t("2")), "-1/2"},
        {MathBox::fraction(t("1"), t("-2")), "1/(-2)"},
        {MathBox::fraction(t("3"), MathBox::fraction(t("1"), t("2"))), "3/(1/2)"},
        {MathBox::radical(t("2.5")), "√2.5"},
        {MathBox::radical(row({MathBox::superscript(t("6"), t("2")), t("×2")})), "√(6²×2)"},
        {MathBox::radical(MathBox::superscript(t("4"), t("2"))), "√(4²)"},
        {MathBox::superscript(t("2"), t("n-1")), "2ⁿ⁻¹"},
        {MathBox::superscript(t("x"), t("y")), "x^(y)"},
        {MathBox::superscript(t("-2"), t("n")), "(-2)ⁿ"},
        {MathBox::superscript(MathBox::fraction(t("1"), t("2")), t("2")), "(1/2)²"},
        {MathBox::subscript(t("a"), t("1")), "a₁"},
        {MathBox::subscript(t("x"), t("n")), "xₙ"},
        {MathBox::subscript(t("a"), t("k+m")), "a_(k+m)"},
        {row({t("x"), MathBox::superscript(t("2"), MathBox::fraction(t("1"), t("2")))}),
         "x2^(1/2)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.linear);
        EXPECT_EQ(c.box.linear().toStdString(), c.linear);
    }
}
