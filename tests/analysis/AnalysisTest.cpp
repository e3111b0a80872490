#include "plane/core/EquationText.h"
#include "plane/core/NumericSearch.h"
#include "plane/core/PlaneAnalysis.h"
#include "tools/core/SurdNumber.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <cmath>
#include <vector>

using namespace zeto;

// Every expected text below was worked out by hand (exact forms) or taken from known constants
// (π/2 = 1.5707963267948966..., √3 = 1.7320508075688772..., the root 4.4934094579090641... of
// tan x = x), rounded to the 15 significant digits the program shows.

namespace {

GraphSpec graph(GraphKind kind, std::array<double, 3> c = {}, double from = -5, double to = 5) {
    GraphSpec g;
    g.kind = kind;
    g.c = c;
    g.from = from;
    g.to = to;
    return g;
}

GraphSpec formula(const char* text, std::function<double(double)> f, double from, double to) {
    GraphSpec g = graph(GraphKind::Formula, {}, from, to);
    g.formulaText = QString::fromUtf8(text);
    g.f = std::move(f);
    return g;
}

// The value of the fact line of that name; "" names the line that stands alone.
QString fact(const GraphSpec& g, const QString& name) {
    PlaneAnalysis analysis({g});
    for (const FactLine& line : analysis.facts(0).lines)
        if (line.name == name) return line.value;
    return QStringLiteral("(no line)");
}

QString meeting(const GraphSpec& a, const GraphSpec& b) {
    PlaneAnalysis analysis({a, b});
    return analysis.intersections(0).at(0).line.value;
}

const GraphSpec kQuadratic = graph(GraphKind::Quadratic, {1, -2, -3});
const GraphSpec kEllipse = graph(GraphKind::Ellipse, {5, 3}, -10, 10);
const GraphSpec kCubic = formula(
    "X^3-3*X", [](double x) { return x * x * x - 3 * x; }, -3, 3);

}  // namespace

TEST(PlaneAnalysis, FactsOfOneGraph) {
    struct Row {
        GraphSpec graph;
        const char* name;
        const char* value;
    };
    const Row rows[] = {
        {kQuadratic, "零点", "(-1, 0)、(3, 0)"},
        {kQuadratic, "顶点", "(1, -4)"},
        {kQuadratic, "对称轴", "x = 1"},
        {kQuadratic, "与y轴交点", "(0, -3)"},
        {graph(GraphKind::Quadratic, {1, -1, -1}), "零点", "((1-√5)/2, 0)、((1+√5)/2, 0)"},
        {graph(GraphKind::Quadratic, {1, -1, -1}), "顶点", "(1/2, -5/4)"},
        {graph(GraphKind::Quadratic, {1, -2, 1}), "零点", "(1, 0)"},
        {graph(GraphKind::Quadratic, {1, 0, 1}), "", "无零点"},
        // Zeros outside the domain are not listed.
        {graph(GraphKind::Quadratic, {1, 0, -36}), "", "无零点"},
        {graph(GraphKind::Quadratic, {0.5, 0, -1}), "零点", "(-√2, 0)、(√2, 0)"},
        {graph(GraphKind::Linear, {2, 1}), "零点", "(-1/2, 0)"},
        {graph(GraphKind::Linear, {2, 1}), "与y轴交点", "(0, 1)"},
        {graph(GraphKind::Linear, {2, 1}, 1, 5), "与y轴交点", "(no line)"},
        {kEllipse, "焦点", "(-4, 0)、(4, 0)"},
        {kEllipse, "离心率", "4/5"},
        {kEllipse, "准线", "x = -25/4、x = 25/4"},
        {kEllipse, "顶点", "(-5, 0)、(5, 0)、(0, -3)、(0, 3)"},
        {kEllipse, "通径", "18/5"},
        {kEllipse, "长轴长", "10"},
        {graph(GraphKind::Ellipse, {-3, 5}), "焦点", "(0, -4)、(0, 4)"},
        {graph(GraphKind::Ellipse, {-3, 5}), "准线", "y = -25/4、y = 25/4"},
        {graph(GraphKind::Ellipse, {-3, 5}), "顶点", "(0, -5)、(0, 5)、(-3, 0)、(3, 0)"},
        {graph(GraphKind::Ellipse, {2, 2}), "离心率", "0"},
        {graph(GraphKind::Hyperbola1, {2, 1}), "焦点", "(-√5, 0)、(√5, 0)"},
        {graph(GraphKind::Hyperbola1, {2, 1}), "离心率", "√5/2"},
        {graph(GraphKind::Hyperbola1, {2, 1}), "准线", "x = -4√5/5、x = 4√5/5"},
        {graph(GraphKind::Hyperbola1, {2, 1}), "渐近线", "y = (1/2)x、y = -(1/2)x"},
        {graph(GraphKind::Hyperbola2, {3, 4}), "焦点", "(0, -5)、(0, 5)"},
        {graph(GraphKind::Hyperbola2, {3, 4}), "准线", "y = -9/5、y = 9/5"},
        {graph(GraphKind::Hyperbola2, {3, 4}), "渐近线", "y = (3/4)x、y = -(3/4)x"},
        {graph(GraphKind::Hyperbola2, {1, 1}), "渐近线", "y = x、y = -x"},
        {graph(GraphKind::Parabola1, {2}), "焦点", "(1, 0)"},
        {graph(GraphKind::Parabola1, {2}), "准线", "x = -1"},
        {graph(GraphKind::Parabola1, {2}), "通径", "4"},
        {graph(GraphKind::Parabola2, {-3}), "焦点", "(0, -3/2)"},
        {graph(GraphKind::Parabola2, {-3}), "准线", "y = 3/2"},
        {graph(GraphKind::Circle, {1, -2, 3}), "圆心", "(-1, 2)"},
        {graph(GraphKind::Circle, {1, -2, 3}), "半径", "3"},
        {graph(GraphKind::Line, {2, 0, -3}), "斜率", "不存在"},
        {graph(GraphKind::Line, {2, 0, -3}), "与x轴交点", "(3/2, 0)"},
        {graph(GraphKind::Line, {2, 0, -3}), "与y轴交点", "无"},
        {graph(GraphKind::Line, {1, 2, 0}), "斜率", "-1/2"},
        {kCubic, "零点", "(≈-1.73205080756888, 0)、(0, 0)、(≈1.73205080756888, 0)"},
        {kCubic, "极大值点", "(≈-1, ≈2)"},
        {kCubic, "极小值点", "(≈1, ≈-2)"},
        {graph(GraphKind::Sine, {2, 3, 1}), "周期", "2π/3"},
        {graph(GraphKind::Sine, {2, 1, 0}), "极大值点",
         "(≈-4.71238898038469, 2)、(≈1.5707963267949, 2)"},
        {graph(GraphKind::Sine, {2, 1, 0}), "极小值点",
         "(≈-1.5707963267949, -2)、(≈4.71238898038469, -2)"},
        {graph(GraphKind::Cosine, {-1, 0.5, 0}), "周期", "4π"},
        {graph(GraphKind::Cosine, {-1, 0.5, 0}), "与y轴交点", "(0, -1)"},
        {graph(GraphKind::Cosine, {1, 2, 0}), "周期", "π"},
        // A frequency beyond the numbers has no decimal to divide by.
        {graph(GraphKind::Sine, {1, NAN, 0}), "周期", "(no line)"},
        {graph(GraphKind::Tangent), "零点",
         "(≈-3.14159265358979, 0)、(0, 0)、(≈3.14159265358979, 0)"},
        {graph(GraphKind::Tangent), "渐近线", "x = π/2 + kπ"},
        {graph(GraphKind::Cotangent), "渐近线", "x = kπ"},
        {graph(GraphKind::Cotangent), "周期", "π"},
        {graph(GraphKind::Logarithm, {2}, 0.01, 5), "零点", "(1, 0)"},
        {graph(GraphKind::Logarithm, {2}, 0.01, 5), "渐近线", "x = 0"},
        {graph(GraphKind::Exponential, {2}), "渐近线", "y = 0"},
        {graph(GraphKind::Exponential, {2}), "与y轴交点", "(0, 1)"},
        {graph(GraphKind::Exponential, {0.5}), "渐近线", "y = 0"},
        {graph(GraphKind::Power, {-1}), "渐近线", "x = 0、y = 0"},
        {graph(GraphKind::Power, {2}), "极小值点", "(0, 0)"},
        // Flat up to 0, falling after it: the edge of a flat stretch is no turn.
        {formula(
             "-(X+Abs(X))/2", [](double x) { return -(x + std::fabs(x)) / 2; }, -3, 3),
         "", "无极值点"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(equationText(row.graph).toStdString() + " " + row.name);
        EXPECT_EQ(fact(row.graph, QString::fromUtf8(row.name)), QString::fromUtf8(row.value));
    }
}

// Zeros found on the grid and refined, against known roots: crossings, a pole that is none, and
// zeros where the graph only touches the axis.
TEST(PlaneAnalysis, NumericZeros) {
    struct Row {
        GraphSpec graph;
        const char* zeros;
    };
    const Row rows[] = {
        {formula(
             "sin(X)", [](double x) { return std::sin(x); }, -10, 10),
         "(≈-9.42477796076938, 0)、(≈-6.28318530717959, 0)、(≈-3.14159265358979, 0)、(0, 0)、"
         "(≈3.14159265358979, 0)、(≈6.28318530717959, 0)、(≈9.42477796076938, 0)"},
        {formula(
             "lg(X)", [](double x) { return std::log10(x); }, 0.01, 5),
         "(1, 0)"},
        {formula(
             "X^2-2*X+1", [](double x) { return x * x - 2 * x + 1; }, -5, 5),
         "(1, 0)"},
        // Flat to within rounding over about 1e-8 around -π/2: no digit beyond that is shown.
        {formula(
             "sin(X)+1", [](double x) { return std::sin(x) + 1; }, -3, 0),
         "(≈-1.5707963, 0)"},
        {formula(
             "1/(X-0.3)", [](double x) { return 1 / (x - 0.3); }, -1, 1),
         "无零点"},
        {formula(
             "X^2+0.001", [](double x) { return x * x + 0.001; }, -1, 1),
         "无零点"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.graph.formulaText.toStdString());
        PlaneAnalysis analysis({row.graph});
        const FactLine line = analysis.facts(0).lines.at(0);
        EXPECT_EQ(line.value, QString::fromUtf8(row.zeros));
    }
}

TEST(PlaneAnalysis, Intersections) {
    struct Row {
        GraphSpec a;
        GraphSpec b;
        const char* points;
    };
    const GraphSpec circle5 = graph(GraphKind::Circle, {0, 0, 5}, -10, 10);
    const GraphSpec line = graph(GraphKind::Line, {1, -1, -1}, -10, 10);
    GraphSpec sequence = graph(GraphKind::Points, {}, -10, 10);
    sequence.points = {{1, 3}, {2, 5}, {3, 6}};
    const Row rows[] = {
        {graph(GraphKind::Linear, {1, 1}), circle5, "(-4, -3)、(3, 4)"},
        {graph(GraphKind::Parabola1, {2}, -10, 10), line, "(3-2√2, 2-2√2)、(3+2√2, 2+2√2)"},
        {graph(GraphKind::Quadratic, {1, 0, 0}), graph(GraphKind::Linear, {1, 2}),
         "(-1, 1)、(2, 4)"},
        {circle5, graph(GraphKind::Circle, {-6, 0, 5}, -10, 10), "(3, -4)、(3, 4)"},
        {kEllipse, graph(GraphKind::Circle, {0, 0, 4}, -10, 10),
         "(-5√7/4, -9/4)、(-5√7/4, 9/4)、(5√7/4, -9/4)、(5√7/4, 9/4)"},
        // Tangent: one point.
        {circle5, graph(GraphKind::Line, {0, 1, -5}, -10, 10), "(0, 5)"},
        // Only inside both domains: the quadratic is drawn over 0 .. 5.
        {graph(GraphKind::Quadratic, {1, 0, 0}, 0, 5), graph(GraphKind::Linear, {1, 2}), "(2, 4)"},
        {line, graph(GraphKind::Linear, {1, -1}), "重合"},
        {graph(GraphKind::Quadratic, {1, 0, 1}), graph(GraphKind::Linear, {0, 0}), "无"},
        // The poles of tan x are sign changes of tan x - x but no meeting.
        {graph(GraphKind::Tangent), graph(GraphKind::Linear, {1, 0}),
         "(≈-4.49340945790906, ≈-4.49340945790906)、(0, 0)、(≈4.49340945790906, "
         "≈4.49340945790906)"},
        // Found numerically, and exact where the difference is exactly 0 at a short decimal.
        {kCubic, graph(GraphKind::Linear, {1, 0}), "(-2, -2)、(0, 0)、(2, 2)"},
        {graph(GraphKind::Sine, {1, 1, 0}), graph(GraphKind::Linear, {0, 0.5}),
         "(≈-3.66519142918809, 1/2)、(≈0.523598775598299, 1/2)、(≈2.61799387799149, 1/2)"},
        {sequence, graph(GraphKind::Linear, {2, 1}), "(1, 3)、(2, 5)"},
        // 2ˣ = x² at x = 2 and 4, and near -0.767, which lies outside the exponential's domain.
        {graph(GraphKind::Exponential, {2}, 0, 5), graph(GraphKind::Power, {2}),
         "(2, ≈4)、(4, ≈16)"},
        {graph(GraphKind::Line, {1, 0, -1}, -10, 10), graph(GraphKind::Exponential, {2}),
         "(1, ≈2)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(equationText(row.a).toStdString() + " & " + equationText(row.b).toStdString());
        EXPECT_EQ(meeting(row.a, row.b), QString::fromUtf8(row.points));
        EXPECT_EQ(meeting(row.b, row.a), QString::fromUtf8(row.points));
    }
}

TEST(PlaneAnalysis, ReportNamesEachOtherGraphAndMarksThePoints) {
    PlaneAnalysis analysis(
        {kEllipse, graph(GraphKind::Linear, {0, 3}), graph(GraphKind::Quadratic, {1, 0, -4})});
    const GraphFacts report = analysis.report(0);
    ASSERT_GE(report.lines.size(), 2u);
    EXPECT_EQ(report.lines[report.lines.size() - 2].shown(),
              QStringLiteral("交点（y = 3）：(0, 3)"));
    QStringList labels;
    for (const MarkedPoint& m : report.marks)
        if (!m.label.isEmpty()) labels << m.label + QLatin1Char(' ') + m.text;
    EXPECT_EQ(labels, QStringList({"F1 (-4, 0)", "F2 (4, 0)"}));
    // The quadratic's vertex is labelled; a line of many points stops after 20.
    const GraphFacts quadratic = analysis.facts(2);
    EXPECT_EQ(quadratic.marks.at(3).label + quadratic.marks.at(3).text,
              QStringLiteral("顶点(0, -4)"));
    PlaneAnalysis many({formula(
                            "sin(10X)", [](double x) { return std::sin(10 * x); }, -5, 5),
                        graph(GraphKind::Linear, {0, 0})});
    for (const QString& value :
         {many.facts(0).lines.at(0).value, many.intersections(0).at(0).line.value}) {
        EXPECT_TRUE(value.endsWith(QStringLiteral("……"))) << value.toStdString();
        EXPECT_EQ(value.count(QStringLiteral("、")), 19);
    }
    // Exactly as many as a line shows, the zeros kπ for k = 1 .. 20: no "……".
    const QString twenty = fact(graph(GraphKind::Tangent, {}, 0.5, 63), QStringLiteral("零点"));
    EXPECT_EQ(twenty.count(QStringLiteral("、")), 19);
    EXPECT_FALSE(twenty.endsWith(QStringLiteral("……"))) << twenty.toStdString();
}

TEST(EquationText, TextbookForms) {
    struct Row {
        GraphSpec graph;
        const char* text;
    };
    const Row rows[] = {
        {kQuadratic, "y = x² − 2x − 3"},
        {graph(GraphKind::Quadratic, {-1, 0, 0.5}), "y = −x² + 0.5"},
        {graph(GraphKind::Linear, {2, 1}), "y = 2x + 1"},
        {graph(GraphKind::Linear, {0, 0}), "y = 0"},
        {kEllipse, "x²/25 + y²/9 = 1"},
        {graph(GraphKind::Circle, {1, -2, 3}), "(x + 1)² + (y − 2)² = 9"},
        {graph(GraphKind::Hyperbola1, {2, 1}), "x²/4 − y² = 1"},
        {graph(GraphKind::Hyperbola2, {3, 4}), "y²/9 − x²/16 = 1"},
        {graph(GraphKind::Parabola1, {2}), "y² = 4x"},
        {graph(GraphKind::Parabola2, {-0.5}), "x² = −y"},
        {graph(GraphKind::Line, {1, -1, -1}), "x − y − 1 = 0"},
        {graph(GraphKind::Sine, {2, 3, 1}), "y = 2sin(3x + 1)"},
        {graph(GraphKind::Cosine, {-1, 1, 0}), "y = −cos x"},
        {graph(GraphKind::Tangent), "y = tan x"},
        {graph(GraphKind::Logarithm, {10}), "y = lg x"},
        {graph(GraphKind::Logarithm, {2}), "y = log₂x"},
        {graph(GraphKind::Exponential, {2}), "y = 2ˣ"},
        {graph(GraphKind::Power, {-1}), "y = x⁻¹"},
        {graph(GraphKind::Power, {0.5}), "y = x^0.5"},
        {kCubic, "y = X^3-3*X"},
    };
    for (const Row& row : rows) EXPECT_EQ(equationText(row.graph), QString::fromUtf8(row.text));
}

TEST(NumericSearch, BrentAndGoldenSectionFindKnownValues) {
    struct Row {
        const char* name;
        NumericSearch::Function g;
        double a, b;
        double expected;
        double tolerance;
    };
    const Row roots[] = {
        {"x²-2", [](double x) { return x * x - 2; }, 0, 2, 1.4142135623730951, 4e-16},
        {"cos", [](double x) { return std::cos(x); }, 1, 2, 1.5707963267948966, 4e-16},
        {"x-1e-20", [](double x) { return x - 1e-20; }, -1, 1, 1e-20, 1e-35},
        {"(x-1)³", [](double x) { return (x - 1) * (x - 1) * (x - 1); }, 0, 3, 1, 1e-5},
    };
    for (const Row& row : roots) {
        SCOPED_TRACE(row.name);
        const auto root = NumericSearch::brentRoot(row.g, row.a, row.b, row.g(row.a), row.g(row.b));
        ASSERT_TRUE(root);
        EXPECT_NEAR(root->x, row.expected, row.tolerance);
        EXPECT_LE(root->lo, row.expected);
        EXPECT_GE(root->hi, row.expected);
    }
    const Row minima[] = {
        {"(x-2)²+1", [](double x) { return (x - 2) * (x - 2) + 1; }, 0, 5, 2, 3e-8},
        {"-sin", [](double x) { return -std::sin(x); }, 0, 3, 1.5707963267948966, 3e-8},
        {"x⁴", [](double x) { return x * x * x * x; }, -1, 2, 0, 1e-3},
    };
    for (const Row& row : minima) {
        SCOPED_TRACE(row.name);
        const auto least = NumericSearch::goldenMinimum(row.g, row.a, row.b);
        ASSERT_TRUE(least);
        EXPECT_NEAR(least->x, row.expected, row.tolerance);
    }
    // Undefined points end a search.
    const NumericSearch::Function undefined = [](double x) { return x > 0.5 ? NAN : x - 0.7; };
    EXPECT_FALSE(NumericSearch::brentRoot(undefined, 0, 1, -0.7, 0.3));
}

TEST(SurdNumber, ExactFormsAndArithmetic) {
    const SurdNumber root5 = SurdNumber::squareRoot(5);
    const SurdNumber root2 = SurdNumber::squareRoot(2);
    struct Row {
        SurdNumber value;
        const char* text;
    };
    const Row rows[] = {
        {SurdNumber(3), "3"},
        {SurdNumber(mpq_class(-25, 4)), "-25/4"},
        {root5, "√5"},
        {SurdNumber::squareRoot(8), "2√2"},
        {SurdNumber::squareRoot(mpq_class(5, 4)), "√5/2"},
        {SurdNumber::squareRoot(mpq_class(9, 4)), "3/2"},
        {SurdNumber::squareRoot(mpq_class(1, 2)), "√2/2"},
        {-root5, "-√5"},
        {(SurdNumber(1) + root5) / SurdNumber(2), "(1+√5)/2"},
        {SurdNumber(-1) - root2, "-1-√2"},
        {(SurdNumber(1) + root2) * (SurdNumber(1) + root2), "3+2√2"},
        {SurdNumber(1) / (SurdNumber(1) + root2), "-1+√2"},
        {(SurdNumber(1) + root2) * (SurdNumber(1) - root2), "-1"},
        {SurdNumber::decimal(0.1), "1/10"},
        {SurdNumber::decimal(-1e-20), "-1/100000000000000000000"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.value.text(), QString::fromUtf8(row.text));

    const std::vector<SurdNumber> roots = SurdNumber::quadraticRoots(1, -1, -1);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0].text() + QLatin1Char(' ') + roots[1].text(),
              QStringLiteral("(1-√5)/2 (1+√5)/2"));
    EXPECT_EQ(SurdNumber::quadraticRoots(-2, 0, 8).size(), 2u);
    EXPECT_TRUE(SurdNumber::quadraticRoots(1, 0, 1).empty());
    // 3 - 2√2 = 0.1715728752538099..., small but positive; 1 - √2 negative.
    EXPECT_EQ((SurdNumber(3) - SurdNumber(2) * root2).sign(), 1);
    EXPECT_EQ((SurdNumber(1) - root2).sign(), -1);
    EXPECT_EQ((SurdNumber(3) - SurdNumber(2) * root2).decimalText(),
              QStringLiteral("0.17157287525381"));
    EXPECT_DOUBLE_EQ(roots[1].toDouble(), 1.6180339887498949);
    EXPECT_THROW(root2 + root5, std::invalid_argument);
}
