#include "ShellFixture.h"

#include "app/Links.h"
#include "plane/SettingsWindow.h"

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>

namespace zeto::test {
namespace {

using LinkFailure = ShellFixture;

// Where the desktop cannot open a link, the program says so and names what it could not open.
TEST_F(LinkFailure, EveryLinkThatFailsSaysWhat) {
    launcher.failing = true;
    const QString help = mainWindow->files().path(Links::helpPage());
    const QString calculator = mainWindow->files().path(Links::calculator());
    const struct {
        const char* name;
        QString message;
    } rows[] = {{"toppic", "无法打开帮助文件：" + help},
                {"FlatBttn5", "无法打开帮助文件：" + help},
                {"Command2", "无法打开帮助文件：" + help},  // the settings window's help
                {"web", "无法打开网页：" + Links::webPage()},
                {"email", "无法打开邮件程序：" + Links::mailAddress()},
                {"calc", "无法启动计算器：" + calculator}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        dialogs.clear();
        if (auto* action = mainWindow->findChild<QAction*>(r.name)) {
            action->trigger();
        } else if (r.name == std::string("Command2")) {
            mainWindow->settingsWindow().findChild<QPushButton*>(r.name)->click();
        } else {
            mainWindow->findChild<QAbstractButton*>(r.name)->click();
        }
        EXPECT_EQ(dialogs.messageTexts(), QStringList{r.message});
        EXPECT_EQ(dialogs.messages.value(0).icon, Dialogs::Icon::Exclamation);
    }
}

// The desktop's launcher finds a missing document or program before the desktop does.
TEST(Launcher, MissingDocumentsAndProgramsFailAtOnce) {
    QTemporaryDir folder;
    QFile plain(folder.filePath("calc"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    Launcher launcher;
    int failures = 0;
    const auto failed = [&failures] { ++failures; };
    launcher.openDocument(folder.filePath("index.htm"), failed);
    launcher.openDocument(folder.path(), failed);  // a folder is no document
    launcher.startProgram(folder.filePath("missing"), folder.path(), failed);
    launcher.startProgram(plain.fileName(), folder.path(), failed);  // not executable
    EXPECT_EQ(failures, 4);
}

}  // namespace
}  // namespace zeto::test
