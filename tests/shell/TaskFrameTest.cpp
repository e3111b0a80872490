// Long tasks yield to the event loop; these are the commands a user can give meanwhile, and
// what each must leave behind.

#include "FakeShell.h"

#include "plane/SettingsWindow.h"
#include "shell/TaskFrame.h"
#include "tools/EquationPage.h"
#include "tools/RadicalPage.h"
#include "tools/SequencePage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace zeto::test {
namespace {

// The three pages whose tasks yield, on one stand-in main window; five preview terms.
struct Pages {
    Pages() {
        auto* count = shell.settingsWindow().findChild<QLineEdit*>("SLYLN");
        count->setText("5");
        sequences->selectKind(QStringLiteral("等差数列"));
    }

    template <typename T>
    T* control(const char* name) {
        return shell.control<T>(name);
    }
    void click(const char* name) { control<QPushButton>(name)->click(); }
    QString text(const char* label) { return control<QLabel>(label)->text(); }
    QStringList items() {
        QStringList texts;
        auto* list = control<QListWidget>("SLEXP");
        for (int k = 0; k < list->count(); ++k) texts << list->item(k)->text();
        return texts;
    }

    FakeShell shell;
    RadicalPage* radical = new RadicalPage(shell.context(), 24, &shell.main);
    EquationPage* equation = new EquationPage(shell.context(), 24, &shell.main);
    SequencePage* sequences = new SequencePage(shell.context(), 24, &shell.main);
};

TEST(TaskFrame, CommandsGivenWhileATaskWaits) {
    const QStringList preview = {"(1)1", "(2)3", "(3)5", "(4)7", "(5)9"};
    const struct {
        const char* name;
        const char* task;                       // the button that starts a yielding task
        std::function<void(Pages&)> meanwhile;  // done at the task's first yield
        std::function<void(Pages&)> expect;
        QStringList statuses;
    } cases[] = {
        {"a reduction inside a preview hands the status back to it",
         "Command15",
         [](Pages& t) { t.click("Command1"); },
         [&](Pages& t) {
             EXPECT_EQ(t.items(), preview);
             EXPECT_EQ(t.text("mm"), "2");
             EXPECT_EQ(t.shell.lampStops, 1);  // the preview's lamp ran to its end
         },
         {"生成中...", "计算中...", "生成中...", "就绪"}},
        {"a reduction inside a solve inside a preview: the status goes back one at a time",
         "Command15",
         [](Pages& t) {
             QTimer::singleShot(0, &t.shell.main, [&t] { t.click("Command1"); });
             t.click("Command11");
         },
         [&](Pages& t) { EXPECT_EQ(t.items(), preview); },
         {"生成中...", "计算中...", "计算中...", "计算中...", "生成中...", "就绪"}},
        {"a second preview takes the list over",
         "Command15",
         [](Pages& t) {
             t.control<QLineEdit>("LXS1")->setText("10");
             t.click("Command15");
         },
         [](Pages& t) {
             EXPECT_EQ(t.items(), QStringList({"(1)10", "(2)12", "(3)14", "(4)16", "(5)18"}));
         },
         {"生成中...", "生成中...", "生成中...", "就绪"}},
        {"clearing the preview ends it",
         "Command15",
         [](Pages& t) { t.click("Command17"); },
         [](Pages& t) {
             EXPECT_TRUE(t.items().isEmpty());
             EXPECT_FALSE(t.shell.lampRunning);
         },
         {"生成中...", "就绪"}},
        {"clearing the equation leaves no old roots beside the emptied fields",
         "Command11",
         [](Pages& t) { t.click("Command18"); },
         [](Pages& t) {
             EXPECT_EQ(t.text("jj1"), "");
             EXPECT_EQ(t.text("jie1h"), "");
             EXPECT_EQ(t.control<QLineEdit>("fxs1")->text(), "");
             EXPECT_EQ(t.shell.sounds, 0);
         },
         {"计算中...", "就绪"}},
        {"clearing the radical leaves it empty",
         "Command1",
         [](Pages& t) { t.click("Command5"); },
         [](Pages& t) {
             EXPECT_EQ(t.text("jqz"), "");
             EXPECT_TRUE(t.control<QLabel>("mm")->isHidden());
         },
         {"计算中...", "就绪"}},
        {"closing the program stops a preview without touching a window",
         "Command15",
         [](Pages& t) { t.shell.closingNow = true; },
         [&](Pages& t) {
             EXPECT_EQ(t.items(), preview.mid(0, 1));
             EXPECT_EQ(t.shell.lampStops, 0);
         },
         {"生成中..."}},
        {"closing the program stops a solve without touching a window",
         "Command11",
         [](Pages& t) { t.shell.closingNow = true; },
         [](Pages& t) { EXPECT_EQ(t.text("jj1"), ""); },
         {"计算中..."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pages t;
        QTimer::singleShot(0, &t.shell.main, [&] { c.meanwhile(t); });
        t.click(c.task);
        c.expect(t);
        EXPECT_EQ(t.shell.statusHistory, c.statuses);
        EXPECT_TRUE(t.shell.scripted.messages.isEmpty());
    }
}

TEST(TaskFrame, ASecondRefusingTaskOfTheSameOwnerDoesNotStart) {
    FakeShell shell;
    const int owner = 0;
    BusyScope first(shell, &owner, "作图中,请稍等...", BusyScope::Lamp::On,
                    BusyScope::Policy::RefuseWhileBusy);
    {
        BusyScope second(shell, &owner, "作图中,请稍等...", BusyScope::Lamp::On,
                         BusyScope::Policy::RefuseWhileBusy);
        EXPECT_FALSE(second.started());
        EXPECT_FALSE(second.yield());
    }
    EXPECT_TRUE(first.live());
    EXPECT_EQ(shell.statusHistory, QStringList({"作图中,请稍等..."}));
    EXPECT_EQ(shell.lampStarts, 1);
}

}  // namespace
}  // namespace zeto::test
