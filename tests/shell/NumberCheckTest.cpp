#include "ShellFixture.h"

#include "functions/FunctionPage.h"
#include "plane/CoordinateWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace zeto;
using namespace zeto::test;

namespace {

class NumberCheckFixture : public ShellFixture {
  protected:
    void SetUp() override {
        ShellFixture::SetUp();
        mainWindow->show();
        QApplication::setActiveWindow(mainWindow.get());
        find<QTabWidget>("SSTab1")->setCurrentIndex(1);
        mainWindow->findChild<FunctionPage*>()->selectKind("二次函数");
        QCoreApplication::processEvents();
    }

    // Moves the focus from one field to another as Tab or a click would.
    void leave(QLineEdit* from, QLineEdit* to) {
        from->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        to->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

}  // namespace

TEST_F(NumberCheckFixture, NonNumericTextsAreRefusedAndGetTheFocusBack) {
    struct Row {
        const char* text;
        bool refused;
    };
    const Row rows[] = {{"", true},     {"abc", true}, {"12abc", true}, {" ", true},
                        {"1.5", false}, {"-3", false}, {" 7 ", false},  {"1e-3", false},
                        {".5", false},  {"--1", true}};
    auto* xs1 = find<QLineEdit>("XS1");
    auto* xs2 = find<QLineEdit>("XS2");
    for (const Row& row : rows) {
        dialogs.clear();
        xs1->setText(row.text);
        leave(xs1, xs2);
        EXPECT_EQ(dialogs.messages.size(), row.refused ? 1 : 0) << row.text;
        if (row.refused && !dialogs.messages.isEmpty()) {
            EXPECT_EQ(dialogs.messages[0].text, "请输入数字");
            EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::None);
            EXPECT_TRUE(xs1->hasFocus()) << row.text;
        }
        EXPECT_EQ(xs1->text(), QString::fromLatin1(row.text));  // never changed
    }
}

TEST_F(NumberCheckFixture, DomainAndFormulaFieldsAreNotChecked) {
    auto* zy1 = find<QLineEdit>("zy1");
    auto* xs1 = find<QLineEdit>("XS1");
    zy1->setText("abc");
    leave(zy1, xs1);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Enter and Tab on the function page, with the coordinate window coming and going and a
// second field without a number.
TEST_F(NumberCheckFixture, EnterPlotsAtOnceTabChecksOnceAndNoMessageRepeats) {
    auto* xs1 = find<QLineEdit>("XS1");
    auto* xs3 = find<QLineEdit>("XS3");
    const auto settle = [] {
        for (int k = 0; k < 5; ++k) QCoreApplication::processEvents();
    };
    // Enter keeps the focus in XS3, so its check does not run before the plot.
    QSignalSpy plots(find<QPushButton>("Command2"), &QPushButton::clicked);
    xs3->setFocus(Qt::OtherFocusReason);
    xs3->setText("2abc");
    QTest::keyClick(xs3, Qt::Key_Return);
    settle();
    EXPECT_EQ(plots.count(), 1);
    EXPECT_FALSE(dialogs.messageTexts().contains("请输入数字"));
    xs3->setText("1");

    dialogs.clear();
    QApplication::setActiveWindow(mainWindow.get());
    xs1->setFocus(Qt::OtherFocusReason);
    xs1->clear();
    QTest::keyClick(xs1, Qt::Key_Tab);
    settle();
    EXPECT_EQ(dialogs.messageTexts(), QStringList{"请输入数字"});
    EXPECT_TRUE(xs1->hasFocus() && xs1->text().isEmpty());

    // The window losing the focus is no leaving of the field.
    mainWindow->showPlane();
    QApplication::setActiveWindow(&mainWindow->coordinateWindow());
    settle();
    QApplication::setActiveWindow(mainWindow.get());
    settle();
    EXPECT_EQ(dialogs.messages.size(), 1);

    // The focus handed back must not start the check of the field it was taken from.
    find<QLineEdit>("XS2")->setText("abc");
    QTest::keyClick(xs1, Qt::Key_Tab);
    settle();
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(xs1->hasFocus());
}

// A field left as the program closes, before its check runs, is not checked: no message comes
// up while the windows go.
TEST_F(NumberCheckFixture, AFieldLeftAsTheProgramClosesIsNotChecked) {
    auto* xs1 = find<QLineEdit>("XS1");
    xs1->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    xs1->setText("abc");
    find<QLineEdit>("XS2")->setFocus(Qt::TabFocusReason);
    mainWindow->close();
    for (int k = 0; k < 5; ++k) QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.messages.isEmpty());
}
