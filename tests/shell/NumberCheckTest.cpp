#include "ShellFixture.h"

#include "functions/FunctionPage.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>

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
