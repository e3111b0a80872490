#include "CalcFixture.h"
#include "PlaneProbe.h"

#include "plane/CoordinateWindow.h"
#include "platform/DrawingSurface.h"

#include <QComboBox>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

namespace zeto::test {
namespace {

const QString kDataSize = QStringLiteral("错误，数据过大，请将参数调小一点");
const QString kFormula = QStringLiteral("自定义数列出错，请严格按照计算机数学符号规范书写!");
const QString kArithmetic = QStringLiteral("等差数列");
const QString kGeometric = QStringLiteral("等比数列");
const QString kCustom = QStringLiteral("自定义数列");

class SequencePageTest : public CalcFixture {
  protected:
    void select(const QString& kind) { control<QComboBox>("slsort")->setCurrentText(kind); }
    void setUp(const QString& kind, const char* a1, const char* second, const QString& count) {
        select(kind);
        field("LXS1")->setText(QLatin1String(a1));
        field("LXS2")->setText(QLatin1String(second));
        setPreviewCount(count);
    }
    void expectIdle() {
        EXPECT_EQ(shell.status, QStringLiteral("就绪"));
        EXPECT_FALSE(shell.lampRunning);
    }
};

// A failing preview keeps the terms it listed before the failure.
TEST_F(SequencePageTest, PreviewsListNumberedTermsOrReportTheDataSize) {
    const QString tooManyFormulaTerms = QString::number(SequencePage::kMostFormulaTerms + 1);
    const struct {
        QString kind;
        const char* a1;
        const char* second;
        QString count;
        int listed;
        QString last;
        bool fails;
    } cases[] = {{kArithmetic, "1", "2", "100", 100, "(100)199", false},
                 {kGeometric, "1", "2", "100", 100, "(100)6.33825300114115E+29", false},
                 {kArithmetic, "1", "2", "0", 0, {}, false},
                 {kArithmetic, "1", "2", "2.5", 2, "(2)3", false},
                 {kGeometric, "1", "10", "400", 309, "(309)1E+308", true},
                 {kArithmetic, "1", "1e308", "10", 2, "(2)1E+308", true},
                 {kGeometric, "1", "x", "5", 0, {}, true},
                 {kArithmetic, "1", "2", "abc", 0, {}, true},
                 {kCustom, "1", "2", "", 0, {}, true},
                 {kArithmetic, "1", "2", "1e9", 0, {}, true},
                 {kCustom, "1", "2", tooManyFormulaTerms, 0, {}, true},
                 // The largest preview there may be is listed whole.
                 {kArithmetic, "1", "2", QString::number(SequencePage::kMostListedTerms), 100000,
                  "(100000)199999", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count.toStdString());
        setUp(c.kind, c.a1, c.second, c.count);
        shell.statusHistory.clear();
        click("Command15");
        if (c.fails) expectOnlyMessage(kDataSize);
        EXPECT_TRUE(messages().isEmpty());
        EXPECT_EQ(items().size(), c.listed);
        EXPECT_EQ(items().value(c.listed - 1), c.last);
        EXPECT_EQ(items().value(0), c.listed ? QStringLiteral("(1)1") : QString());
        const char* busy = c.kind == kCustom ? "生成中,请稍等..." : "生成中...";
        EXPECT_EQ(shell.statusHistory, QStringList({busy, "就绪"}));
        expectIdle();
    }
    EXPECT_EQ(shell.lampStarts, 12);
    EXPECT_EQ(shell.sounds, 0);
    click("Command17");
    EXPECT_TRUE(items().isEmpty());
}

TEST_F(SequencePageTest, EditsDuringAPreviewCountForTheNextTerms) {
    setPreviewCount(QStringLiteral("4"));
    QTimer::singleShot(0, &shell.main, [this] { field("LXS2")->setText(QStringLiteral("10")); });
    click("Command15");
    EXPECT_EQ(items(), QStringList({"(1)1", "(2)11", "(3)21", "(4)31"}));
}

TEST_F(SequencePageTest, ArithmeticAndGeometricSums) {
    const struct {
        QString kind;
        const char* a1;
        const char* second;
        const char* n;
        const char* sum;  // nullptr: the data-size message, SUM empty
    } cases[] = {{kArithmetic, "1", "2", "20", "400"},
                 {kArithmetic, "1", "2", "20 terms", "400"},  // N is read leniently here
                 {kArithmetic, "0.5", "-1", "4", "-4"},
                 {kArithmetic, "1", "1e300", "1e300", nullptr},
                 {kGeometric, "1", "2", "10", "1023"},
                 {kGeometric, "1", "2", "abc", nullptr},
                 {kGeometric, "1", "q", "5", nullptr}};
    int sounds = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        setUp(c.kind, c.a1, c.second, QStringLiteral("100"));
        field("Sumn")->setText(QLatin1String(c.n));
        control<QLabel>("SUM")->setText(QStringLiteral("old"));
        click("Command16");
        if (c.sum) {
            EXPECT_TRUE(messages().isEmpty());
            EXPECT_EQ(sum(), QLatin1String(c.sum));
            EXPECT_EQ(shell.sounds, ++sounds);
        } else {
            expectOnlyMessage(kDataSize);
            EXPECT_EQ(sum(), QString());
        }
    }
    EXPECT_TRUE(shell.statusHistory.isEmpty());
    EXPECT_EQ(shell.lampStarts, 0);
}

TEST_F(SequencePageTest, CustomPreviewAndSum) {
    select(kCustom);
    setPreviewCount(QStringLiteral("5"));
    click("Command15");
    EXPECT_EQ(items(), QStringList({"4", "8", "14", "22", "32"}));
    EXPECT_EQ(shell.statusHistory, QStringList({"生成中,请稍等...", "就绪"}));
    expectIdle();
    EXPECT_EQ(shell.sounds, 1);

    click("Command16");
    EXPECT_EQ(sum(), QStringLiteral("3120"));
    EXPECT_EQ(shell.sounds, 1);

    field("Zdytxgs")->setText(QStringLiteral("N"));
    field("Sumn")->setText(QStringLiteral("100"));
    QTest::keyClick(field("Zdytxgs"), Qt::Key_Return);  // Enter sums, it does not preview
    EXPECT_EQ(sum(), QStringLiteral("5050"));
    EXPECT_EQ(items().size(), 5);

    field("Zdytxgs")->setText(QStringLiteral("N:Z=7"));  // a second statement runs as typed
    click("Command15");
    EXPECT_EQ(items(), QStringList({"7", "7", "7", "7", "7"}));
    // Names that hold the letter n are names, not places for n.
    field("Zdytxgs")->setText(QStringLiteral("int(N/2)+sin(0)"));
    click("Command15");
    EXPECT_EQ(items(), QStringList({"0", "1", "1", "2", "2"}));
    EXPECT_TRUE(messages().isEmpty()) << messages().join('|').toStdString();

    // The largest count there may be is summed whole: Int(n/2) over n = 1 .. 2m sums to m².
    field("Sumn")->setText(QString::number(SequencePage::kMostFormulaTerms));
    click("Command16");
    EXPECT_EQ(sum(), QStringLiteral("100000000"));
    field("Sumn")->setText(QString::number(SequencePage::kMostFormulaTerms + 1));
    click("Command16");
    expectOnlyMessage(kDataSize);
    EXPECT_EQ(sum(), QString());
}

TEST_F(SequencePageTest, CustomFormulaFailures) {
    const QString cases[] = {"1/(N-3)",  // fails at the third term
                             "N+",      "((N)",  "abc(N)", "abc", "N:End Sub",
                             "fc()",    "N加一", "",       "   ", QString(10240, QLatin1Char('('))};
    select(kCustom);
    setPreviewCount(QStringLiteral("5"));
    field("Sumn")->setText(QStringLiteral("5"));
    for (const QString& formula : cases) {
        SCOPED_TRACE(formula.left(20).toStdString());
        const bool third = formula == QStringLiteral("1/(N-3)");
        field("Zdytxgs")->setText(formula);
        click("Command15");
        expectOnlyMessage(kFormula);
        expectIdle();
        EXPECT_EQ(items().size(), third ? 2 : 0);
        click("Command16");
        expectOnlyMessage(kFormula);
        // The partial sum stays: 1/(1-3) + 1/(2-3) = -1.5.
        EXPECT_EQ(sum(), third ? QStringLiteral("-1.5") : QString());
    }
    EXPECT_EQ(shell.sounds, 0);
}

// The window follows the sequence as typed at each preview, sum or plot.
TEST_F(SequencePageTest, StepsButtonShowsTheSequenceAsTyped) {
    click("Cmdsteps3");
    const struct {
        QString kind;
        const char* a1;
        const char* second;
        const char* button;
        const char* piece;
    } cases[] = {
        {kArithmetic, "1", "2", "Command15", "aₙ=a₁+(n-1)d=1+(n-1)×2=2n-1"},
        {kArithmetic, "1", "2", "Command16", "Sₙ=n(a₁+aₙ)/2=n²"},
        {kGeometric, "1", "2", "Command15", "aₙ=a₁qⁿ⁻¹=2ⁿ⁻¹"},
        {kGeometric, "1", "2", "Command16", "Sₙ=a₁(1-qⁿ)/(1-q)=2ⁿ-1"},
        {kGeometric, "3", "1", "Cmdseqplot", "Sₙ=na₁=3n"},
        {kCustom, "", "", "Command16", "aₙ=n²+n+2"},  // the formula N^2+N+2 it starts with
        {kArithmetic, "5", "0", "Cmdsteps3", "aₙ=a₁+(n-1)d=5+(n-1)×0=5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.piece);
        setUp(c.kind, c.a1, c.second, QStringLiteral("10"));
        click(c.button);
        shell.scripted.clear();
        EXPECT_TRUE(shell.steps.isVisible());
        EXPECT_NE(shell.stepsText().find(c.piece), std::string::npos) << shell.stepsText();
    }
}

// "描点": the terms up to the preview's count as filled dots of 3 pixels' radius in the graph
// colour, as one plot; points beyond the plane (-10 to 10 on both axes) are left out.
TEST_F(SequencePageTest, PlotButtonDrawsTheTermsAsDots) {
    shell.tucolor = kRed;
    CoordinateWindow& plane = shell.coordinateWindow();
    const struct {
        QString kind;
        const char* a1;
        const char* second;
        QString count;
        std::vector<QPoint> points;
        QString message;
    } cases[] = {
        {kArithmetic, "1", "2", "100", {{1, 1}, {2, 3}, {3, 5}, {4, 7}, {5, 9}}, {}},
        {kArithmetic, "1", "2", "3", {{1, 1}, {2, 3}, {3, 5}}, {}},
        {kArithmetic,
         "-12",
         "3",
         "100",
         {{2, -9}, {3, -6}, {4, -3}, {5, 0}, {6, 3}, {7, 6}, {8, 9}},
         {}},
        {kGeometric, "1", "-2", "100", {{1, 1}, {2, -2}, {3, 4}, {4, -8}}, {}},
        {kGeometric, "1e308", "10", "100", {}, {}},  // 1E+308, then beyond the doubles
        {kGeometric, "1", "q", "100", {}, kDataSize},
        {kArithmetic, "1", "2", "abc", {}, kDataSize},
        {kCustom, "N^2+N+2", "", "100", {{1, 4}, {2, 8}}, {}},
        {kCustom, "abc(N)", "", "100", {}, kFormula},
        {kCustom, "N+4/(N-3)", "", "100", {{1, -1}, {2, -2}}, kFormula},  // no third term
    };
    int sounds = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a1 << " " << c.second << " " << c.count.toStdString());
        setUp(c.kind, c.a1, c.second, c.count);
        if (c.kind == kCustom) field("Zdytxgs")->setText(QLatin1String(c.a1));
        shell.planes().clearPlane();
        plane.hide();
        click("Cmdseqplot");
        const QImage& image = plane.surface().image();
        const PlaneGrid grid{image.width(), image.height(), 10};
        std::vector<QRect> boxes;
        for (const QPoint& p : c.points) {
            const int x = grid.col(p.x()), y = grid.row(p.y());
            boxes.emplace_back(x - 3, y - 3, 7, 7);
            for (int dx = -2; dx <= 2; ++dx)
                for (int dy = -2; dy <= 2; ++dy)
                    if (dx * dx + dy * dy <= 5) {
                        EXPECT_TRUE(hasColor(image, x + dx, y + dy, kRed));
                    }
        }
        EXPECT_EQ(strayPixels(image, kRed, boxes), 0);
        const PlaneRecord& record = plane.record();
        ASSERT_EQ(record.plotCount(), c.points.empty() ? 0u : 1u);
        if (!c.points.empty()) {
            EXPECT_EQ(record.entries().back().plot->kind, GraphKind::Points);
            EXPECT_EQ(record.entries().back().plot->color, kRed);
            EXPECT_EQ(record.entries().back().pieces.size(), c.points.size());
        }
        EXPECT_EQ(plane.surface().drawWidth(), shell.settings().penWidth);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages().isEmpty());
            EXPECT_TRUE(plane.isVisible());
            EXPECT_EQ(shell.sounds, ++sounds);
        } else {
            expectOnlyMessage(c.message);
        }
    }
}

}  // namespace
}  // namespace zeto::test
