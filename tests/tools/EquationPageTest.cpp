#include "tools/EquationPage.h"

#include "FakeShell.h"
#include "platform/AppFont.h"
#include "platform/LineShape.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using zeto::Dialogs;
using zeto::EquationPage;
using zeto::test::FakeShell;

namespace {

struct RowNames {
    const char* h;
    const char* sign;
    const char* m;
    const char* n;
    const char* fm;
    const char* value;
    const char* strokes[3];
    const char* fraction;
};

const RowNames kRows[2] = {
    {"jie1h", "plus", "jie1m", "jie1n", "jie1fm", "jj1", {"Line5", "Line6", "Line7"}, "fline"},
    {"jie2h", "dage", "jie2m", "jie2n", "jie2fm", "jj2", {"Line4", "Line8", "Line9"}, "fline2"},
};

class EquationPageTest : public ::testing::Test {
  protected:
    FakeShell shell;
    QWidget parent;
    EquationPage page{shell.context(), 25, &parent};

    QWidget* child(const char* name) { return page.findChild<QWidget*>(QString::fromLatin1(name)); }
    QString text(const char* name) {
        return page.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    bool shown(const char* name) { return !child(name)->isHidden(); }
    QLineEdit* field(int k) { return page.findChild<QLineEdit*>(QStringLiteral("fxs%1").arg(k)); }

    void solve(const char* a, const char* b, const char* c) {
        field(1)->setText(QString::fromUtf8(a));
        field(2)->setText(QString::fromUtf8(b));
        field(3)->setText(QString::fromUtf8(c));
        page.findChild<QPushButton*>("Command11")->click();
    }

    // One root as it reads on screen: the visible numerator parts with "√" for a drawn
    // radical sign, "(...)/fm" when the fraction bar shows, then "= decimal".
    std::string shownRoot(int k) {
        const RowNames& r = kRows[k];
        const bool radical = shown(r.strokes[0]);
        for (const char* stroke : r.strokes) EXPECT_EQ(shown(stroke), radical);
        EXPECT_EQ(radical, !text(r.n).isEmpty());
        EXPECT_EQ(shown(r.fraction), !text(r.fm).isEmpty());
        QString s = text(r.h);
        if (shown(r.sign)) s += text(r.sign);
        s += text(r.m);
        if (radical) s += QStringLiteral("√") + text(r.n);
        if (shown(r.fraction)) s = "(" + s + ")/" + text(r.fm);
        return (s + " = " + text(r.value)).toStdString();
    }

    // Every text of the result area is whole on screen, and the exact form ends before "=".
    void expectReadable(int k) {
        const RowNames& r = kRows[k];
        const QWidget* frame = child("Frame10");
        int formEnd = 0;
        for (const char* name : {r.h, r.sign, r.m, r.n, r.fm, r.value}) {
            const auto* label = page.findChild<QLabel*>(QString::fromLatin1(name));
            if (label->isHidden() || label->text().isEmpty()) continue;
            const int needed = label->fontMetrics().horizontalAdvance(label->text());
            EXPECT_GE(label->contentsRect().width(), needed) << name;
            EXPECT_LE(label->x() + needed, frame->width()) << name;
            if (name != r.value) formEnd = std::max(formEnd, label->geometry().right());
        }
        for (const char* name : {r.strokes[0], r.fraction})
            if (shown(name)) formEnd = std::max(formEnd, child(name)->geometry().right());
        EXPECT_LT(formEnd, child(k == 0 ? "Label20" : "Label21")->x()) << k;
        // Nor does it grow back into "X1=".
        const auto* name = page.findChild<QLabel*>(k == 0 ? "Label16" : "Label17");
        for (const char* part : {r.h, r.fm}) {
            if (!text(part).isEmpty()) {
                EXPECT_GT(child(part)->x(), name->geometry().right()) << part;
            }
        }
    }

    void expectEmptyResult() {
        EXPECT_EQ(shownRoot(0), " = ");
        EXPECT_EQ(shownRoot(1), " = ");
    }
};

struct Case {
    const char* a;
    const char* b;
    const char* c;
    const char* x1;
    const char* x2;
};

// Roots worked out independently, exactly with fractions and to 60 digits with decimals, then
// rounded to 15 significant digits, ties to even.
const Case kCases[] = {
    {"1", "3", "1", "(-3+√5)/2 = -0.381966011250105", "(-3-√5)/2 = -2.61803398874989"},
    {"1", "-5", "6", "3 = 3", "2 = 2"},
    {"2", "4", "-6", "1 = 1", "-3 = -3"},
    {"1", "2", "-1", "-1+√2 = 0.414213562373095", "-1-√2 = -2.4142135623731"},
    {"1", "-4", "4", "2 = 2", "2 = 2"},
    {"1", "2", "0", "0 = 0", "-2 = -2"},
    {"1", "0", "-2", "√2 = 1.4142135623731", "-√2 = -1.4142135623731"},
    {"1", "0", "0", "0 = 0", "0 = 0"},
    {"0.5", "1", "-1.5", "1 = 1", "-3 = -3"},
    {"4", "4", "1", "(-1)/2 = -0.5", "(-1)/2 = -0.5"},
    {"9", "6", "-1", "(-1+√2)/3 = 0.138071187457698", "(-1-√2)/3 = -0.804737854124365"},
    {"1", "-6", "7", "3+√2 = 4.4142135623731", "3-√2 = 1.5857864376269"},
    {"4", "0", "-27", "(3√3)/2 = 2.59807621135332", "(-3√3)/2 = -2.59807621135332"},
    {"3", "-7", "2", "2 = 2", "(1)/3 = 0.333333333333333"},
    {"1", "3001", "2", "(-3001+√9005993)/2 = -0.000666444666494",
     "(-3001-√9005993)/2 = -3000.99933355533"},
    // A negative leading coefficient keeps the denominator positive.
    {"-1", "3", "-1", "(3-√5)/2 = 0.381966011250105", "(3+√5)/2 = 2.61803398874989"},
    {"-1", "0", "5", "-√5 = -2.23606797749979", "√5 = 2.23606797749979"},
    // Many decimals next to large coefficients.
    {"0.000000003", "-1.2", "120000000", "200000000 = 200000000", "200000000 = 200000000"},
    {"-0.000000003", "1.8", "-270000000", "300000000 = 300000000", "300000000 = 300000000"},
    {"0.000000001", "-2", "999999999", "1000000000+10000√10 = 1000031622.7766",
     "1000000000-10000√10 = 999968377.223398"},
    // The common factor 7 goes before the discriminant is formed.
    {"7", "98000000", "7", "-7000000+√48999999999999 = -7.14285714285718E-08",
     "-7000000-√48999999999999 = -13999999.9999999"},
    // A root halfway between two 15-digit decimals goes to the even one.
    {"2", "-200000000000001", "0", "(200000000000001)/2 = 100000000000000", "0 = 0"},
    {"2", "-200000000000003", "0", "(200000000000003)/2 = 100000000000002", "0 = 0"},
    // Exact forms only where every part has at most 15 digits; decimals where doubles reach.
    {"1", "100000000", "1", " = -1E-08", " = -100000000"},
    {"1", "2e15", "1", " = -5E-16", " = -2E+15"},
    {"1e300", "2e300", "1e300", "-1 = -1", "-1 = -1"},
    {"1", "1e300", "1", " = -1E-300", " = -1E+300"},
    {"1e-300", "1e300", "1", " = -1E-300", " = "},
};

}  // namespace

TEST_F(EquationPageTest, ShowsBothRoots) {
    for (const Case& c : kCases) {
        solve(c.a, c.b, c.c);
        SCOPED_TRACE(testing::Message() << c.a << " " << c.b << " " << c.c);
        EXPECT_EQ(shownRoot(0), c.x1);
        EXPECT_EQ(shownRoot(1), c.x2);
        expectReadable(0);
        expectReadable(1);
        EXPECT_TRUE(shell.scripted.messages.isEmpty());
    }
}

TEST_F(EquationPageTest, SimplifyingTheDiscriminantAddsItsStatusAndSound) {
    solve("1", "3", "1");
    EXPECT_EQ(shell.statusHistory, (QStringList{"计算中...", "就绪"}));
    EXPECT_EQ(shell.sounds, 2);
    solve("1", "-5", "6");  // discriminant 1
    EXPECT_EQ(shell.statusHistory.size(), 2);
    EXPECT_EQ(shell.sounds, 3);
    solve("1", "-4", "4");  // discriminant 0
    EXPECT_EQ(shell.sounds, 4);
}

TEST_F(EquationPageTest, RefusesBadCoefficients) {
    const struct {
        const char* a;
        const char* b;
        const char* message;
        Dialogs::Icon icon;
    } cases[] = {
        {"0", "3", "二次项系数不能为0", Dialogs::Icon::Exclamation},
        {"abc", "3", "二次项系数不能为0", Dialogs::Icon::Exclamation},
        {"", "3", "二次项系数不能为0", Dialogs::Icon::Exclamation},
        {"1", "1e999", "请输入数字", Dialogs::Icon::None},
        {"1", "1", "无解!", Dialogs::Icon::None},
        {"1e300", "1", "无解!", Dialogs::Icon::None},
    };
    for (const auto& c : cases) {
        solve("1", "3", "1");
        shell.scripted.clear();
        const int sounds = shell.sounds;
        solve(c.a, c.b, "1");
        ASSERT_EQ(shell.scripted.messages.size(), 1) << c.a;
        EXPECT_EQ(shell.scripted.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(shell.scripted.messages[0].icon, c.icon);
        EXPECT_EQ(shell.sounds, sounds);
        EXPECT_EQ(field(1)->text(), QString::fromUtf8(c.a));
        expectEmptyResult();
    }
    // The next equation shows every part again.
    solve("1", "3", "1");
    EXPECT_EQ(shownRoot(1), "(-3-√5)/2 = -2.61803398874989");
}

TEST_F(EquationPageTest, ClearEmptiesResultsAndFields) {
    expectEmptyResult();
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
    solve("1", "3", "1");
    page.findChild<QPushButton*>("Command18")->click();
    expectEmptyResult();
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(field(k)->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), field(1));
}

TEST_F(EquationPageTest, EnterInTheLastFieldSolves) {
    field(1)->setText("1");
    field(2)->setText("2");
    field(3)->setText("-1");
    QTest::keyClick(field(2), Qt::Key_Return);
    EXPECT_EQ(shownRoot(0), " = ");
    QTest::keyClick(field(3), Qt::Key_Return);
    EXPECT_EQ(shownRoot(0), "-1+√2 = 0.414213562373095");
}

TEST_F(EquationPageTest, ClosingDuringTheSimplificationLeavesTheResultAlone) {
    shell.closingNow = true;
    solve("1", "3", "1");
    expectEmptyResult();
    EXPECT_EQ(shell.sounds, 0);
}

// The first root's denominator keeps clear of the second root's radical sign; a radicand
// stands close after its sign, under its bar, on the line the sign stands on. In the test's
// face and in the program's, which ascends further than the designed lines allow.
TEST_F(EquationPageTest, RootsDoNotCrowd) {
    // Where a label's text is inked, in its parent's pixels.
    const auto glyphs = [this](const char* name) {
        auto* label = page.findChild<QLabel*>(QString::fromLatin1(name));
        const QFontMetrics metrics = label->fontMetrics();
        const QRect line =
            QStyle::alignedRect(Qt::LeftToRight, label->alignment(),
                                QSize(metrics.horizontalAdvance(label->text()), metrics.height()),
                                label->contentsRect().translated(label->pos()));
        return metrics.tightBoundingRect(label->text())
            .translated(line.left(), line.top() + metrics.ascent());
    };
    const char* const withRadicals[][3] = {
        {"1", "3", "1"}, {"4", "0", "-27"}, {"1", "3001", "2"}, {"9", "6", "-1"}};
    for (const QFont& font : {parent.font(), zeto::appFont()}) {
        parent.setFont(font);
        for (const auto& c : withRadicals) {
            SCOPED_TRACE(testing::Message() << font.family().toStdString() << ": " << c[0] << " "
                                            << c[1] << " " << c[2]);
            solve(c[0], c[1], c[2]);
            EXPECT_LT(glyphs("jie1fm").bottom() + 1,
                      page.findChild<zeto::LineShape*>("Line4")->line().y1());
            for (const RowNames& r : kRows) {
                const QRect radicand = glyphs(r.n);
                const QLine bar = page.findChild<zeto::LineShape*>(r.strokes[0])->line();
                const QLine rise = page.findChild<zeto::LineShape*>(r.strokes[1])->line();
                EXPECT_LT(bar.y1(), radicand.top());
                EXPECT_LE(bar.x1(), radicand.left());
                EXPECT_GE(bar.x2(), radicand.right());
                EXPECT_LE(radicand.left() - std::max(rise.x1(), rise.x2()), 4);
                EXPECT_LE(std::abs(std::max(rise.y1(), rise.y2()) - radicand.bottom()), 1);
            }
        }
    }
}

TEST_F(EquationPageTest, StepsButtonShowsTheLastSolveAndFollowsTheNext) {
    page.findChild<QPushButton*>("Cmdsteps")->click();
    EXPECT_TRUE(shell.steps.isVisible());
    EXPECT_EQ(shell.stepsText(), "请先求解");
    const struct {
        const char* a;
        const char* b;
        const char* c;
        const char* piece;
    } solves[] = {
        {"1", "-2", "-3", "Δ=(-2)²-4×1×(-3)=16"}, {"2", "-3", "-5", "x₁x₂=-5/2"},
        {"1", "1", "1", "方程没有实数根"},  // refused with "无解!" and still explained
        {"0.5", "1.5", "1", "两边同乘2"},         {"0", "3", "1", "这不是一元二次方程"},
    };
    for (const auto& s : solves) {
        solve(s.a, s.b, s.c);
        EXPECT_NE(shell.stepsText().find(s.piece), std::string::npos) << s.piece;
    }
    page.findChild<QPushButton*>("Command18")->click();
    EXPECT_EQ(shell.stepsText(), "请先求解");
    // Closed, the window waits for the button, which brings the last solve.
    shell.steps.close();
    solve("1", "-2", "1");
    EXPECT_FALSE(shell.steps.isVisible());
    EXPECT_EQ(shell.stepsText(), "请先求解");
    page.findChild<QPushButton*>("Cmdsteps")->click();
    EXPECT_NE(shell.stepsText().find("x₁=x₂=1"), std::string::npos);
}
