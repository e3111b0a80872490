#include "tools/RadicalPage.h"

#include "FakeShell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

using zeto::Dialogs;
using zeto::RadicalPage;
using zeto::test::FakeShell;

namespace {

class RadicalPageTest : public ::testing::Test {
  protected:
    FakeShell shell;
    QWidget parent;
    RadicalPage page{shell.context(), 25, &parent};

    QWidget* child(const char* name) { return page.findChild<QWidget*>(QString::fromLatin1(name)); }
    QLabel* label(const char* name) { return page.findChild<QLabel*>(QString::fromLatin1(name)); }
    bool shown(const char* name) { return !child(name)->isHidden(); }

    void compute(const QString& input) {
        page.findChild<QLineEdit*>("sqrx")->setText(input);
        page.findChild<QPushButton*>("Command1")->click();
    }

    // What the result area shows: the visible parts left to right, "√" for the radical sign,
    // then the exact value.
    std::string shownResult() {
        const bool radical = shown("Line1");
        EXPECT_EQ(shown("Line2"), radical);
        EXPECT_EQ(shown("Line3"), radical);
        QString s;
        if (shown("mm")) s += label("mm")->text();
        if (radical) s += QStringLiteral("√");
        if (shown("nn")) s += label("nn")->text();
        if (shown("spec")) s += label("spec")->text();
        return (s + " = " + label("jqz")->text()).toStdString();
    }
};

}  // namespace

TEST_F(RadicalPageTest, ShowsSimplestForms) {
    const struct {
        const char* input;
        const char* result;
    } cases[] = {
        {"72", "6√2 = 8.48528137423857"},
        {"8", "2√2 = 2.82842712474619"},
        {"18", "3√2 = 4.24264068711929"},  // the root itself rounded, not its nearest double
        {"2", "√2 = 1.4142135623731"},
        {"16", "4 = 4"},
        {"1", "1 = 1"},
        {"0", "0 = 0"},
        {"2.5", "√2.5 = 1.58113883008419"},
        {"9999999967", "√9999999967 = 99999.999835"},
        {"9999800001", "99999 = 99999"},
        {"1000000000", "10000√10 = 31622.7766016838"},
        {"9.99e99", "√9.99E+99 = 9.99499874937461E+49"},
        {"abc", "0 = 0"},
        {"16", "4 = 4"},  // after a radical: the sign goes away
    };
    for (const auto& c : cases) {
        const int sounds = shell.sounds;
        compute(QString::fromUtf8(c.input));
        EXPECT_EQ(shownResult(), c.result) << c.input;
        EXPECT_EQ(shell.sounds, sounds + 1) << c.input;
        EXPECT_TRUE(shell.scripted.messages.isEmpty()) << c.input;
        EXPECT_EQ(shell.status, "就绪");
    }
}

TEST_F(RadicalPageTest, BusyStatusAroundTheReduction) {
    compute("72");
    EXPECT_EQ(shell.statusHistory, (QStringList{"计算中...", "就绪"}));
    EXPECT_EQ(shell.yields, 1);
    compute("72");
    EXPECT_EQ(shownResult(), "6√2 = 8.48528137423857");
}

TEST_F(RadicalPageTest, RejectsBadInputAndClearsThePanel) {
    for (const char* input : {"", "12345678901", "-4", "1e999"}) {
        compute("72");
        shell.scripted.clear();
        compute(QString::fromUtf8(input));
        ASSERT_EQ(shell.scripted.messages.size(), 1) << input;
        EXPECT_EQ(shell.scripted.messages[0].text, "错误：被开方数输入不合法");
        EXPECT_EQ(shell.scripted.messages[0].icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(page.findChild<QLineEdit*>("sqrx")->text(), "") << input;
        EXPECT_EQ(shownResult(), " = ") << input;
    }
    compute("1234567890");  // ten characters are fine
    EXPECT_EQ(shownResult(), "3√137174210 = 35136.4182864446");
}

TEST_F(RadicalPageTest, ClearEmptiesEverything) {
    EXPECT_EQ(shownResult(), " = ");
    compute("1");
    page.findChild<QPushButton*>("Command5")->click();
    EXPECT_EQ(page.findChild<QLineEdit*>("sqrx")->text(), "");
    EXPECT_EQ(shownResult(), " = ");
}

TEST_F(RadicalPageTest, EnterInTheFieldComputes) {
    auto* field = page.findChild<QLineEdit*>("sqrx");
    field->setText("72");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(shownResult(), "6√2 = 8.48528137423857");
}

TEST_F(RadicalPageTest, ClosingDuringTheReductionLeavesTheResultAlone) {
    shell.closingNow = true;
    compute("72");
    EXPECT_FALSE(shown("mm"));
    EXPECT_FALSE(shown("nn"));
    EXPECT_EQ(shell.sounds, 0);
}

// The window follows this page's reductions until another page's button takes it over.
TEST_F(RadicalPageTest, StepsButtonShowsTheLastReduction) {
    QObject otherPage;
    const struct {
        const char* opener;  // "page", "other" or nobody opens the window first
        const char* input;   // nullptr: nothing is computed
        const char* piece;
    } cases[] = {
        {"page", "72", "72=2³×3²"},
        {nullptr, "2.5", "√2.5=√(5/2)=√10/2"},
        {nullptr, "-1", "请先求解"},  // refused: no reduction to show
        {nullptr, "9999999967", "9999999967是质数"},
        {"other", "72", "请先求解"},
        {"page", nullptr, "√72=√(6²×2)=6√2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.piece);
        const std::string opener = c.opener ? c.opener : "";
        if (opener == "page") page.findChild<QPushButton*>("Cmdsteps2")->click();
        if (opener == "other") shell.steps.open(&otherPage, {});
        if (c.input) compute(QString::fromLatin1(c.input));
        shell.scripted.clear();
        EXPECT_TRUE(shell.steps.isVisible());
        EXPECT_NE(shell.stepsText().find(c.piece), std::string::npos) << shell.stepsText();
    }
}
