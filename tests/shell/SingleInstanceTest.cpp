#include "ScriptedDialogs.h"

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "platform/Launcher.h"
#include "platform/Platform.h"
#include "platform/SingleInstance.h"
#include "platform/SoundPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <gtest/gtest.h>

using namespace zeto;

namespace {

const char* kLockVariable = "ZETO_TEST_INSTANCE_LOCK";

// Starts this test program again, running only the holder below, which takes the lock and
// waits until it is killed or its input closes.
std::unique_ptr<QProcess> startHolder(const QString& lockPath) {
    auto holder = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kLockVariable, lockPath);
    holder->setProcessEnvironment(env);
    holder->start(QCoreApplication::applicationFilePath(),
                  {"--gtest_also_run_disabled_tests",
                   "--gtest_filter=SingleInstanceHolder.DISABLED_HoldLock"});
    EXPECT_TRUE(holder->waitForStarted(10000));
    // The holder says when it holds the lock; the test runner's own lines come first.
    QByteArray said;
    while (!said.contains("holding") && holder->waitForReadyRead(20000))
        said += holder->readAllStandardOutput();
    EXPECT_TRUE(said.contains("holding"));
    return holder;
}

}  // namespace

TEST(SingleInstanceHolder, DISABLED_HoldLock) {
    const QString path = qEnvironmentVariable(kLockVariable);
    if (path.isEmpty()) GTEST_SKIP();
    SingleInstance instance(path);
    ASSERT_TRUE(instance.tryAcquire());
    std::fputs("holding\n", stdout);
    std::fflush(stdout);
    char buffer[16];
    while (std::fgets(buffer, sizeof buffer, stdin)) {
    }
}

TEST(SingleInstance, SecondProcessIsRefusedWithTheMessage) {
    QTemporaryDir dir;
    const QString lockPath = dir.filePath("zeto.lock");
    auto holder = startHolder(lockPath);

    SingleInstance second(lockPath);
    EXPECT_FALSE(second.tryAcquire());

    test::ScriptedDialogs dialogs;
    Launcher launcher;
    SoundPlayer sound;
    Platform platform{dialogs, launcher, sound, ProgramFiles()};
    std::unique_ptr<MainWindow> mainWindow = startZeto(platform, second);
    EXPECT_EQ(mainWindow, nullptr);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0].text, "程序已运行");
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::None);

    // Once the first instance has ended, a start shows the main window and no message.
    holder->closeWriteChannel();
    EXPECT_TRUE(holder->waitForFinished(10000));
    mainWindow = startZeto(platform, second);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_EQ(dialogs.messages.size(), 1);
}

TEST(SingleInstance, LockLeftByACrashedRunDoesNotBlock) {
    QTemporaryDir dir;
    const QString lockPath = dir.filePath("zeto.lock");
    auto holder = startHolder(lockPath);
    holder->kill();  // no chance to remove its lock
    holder->waitForFinished(10000);
    EXPECT_TRUE(QFileInfo::exists(lockPath));

    SingleInstance next(lockPath);
    EXPECT_TRUE(next.tryAcquire());
}

// The lock is the user's: named after the numeric user id whatever $USER says, and kept in the
// user's private runtime folder, so that a lock another account leaves in the shared temporary
// folder (here one held by a running process) blocks nothing.
TEST(SingleInstance, DefaultLockIsTheUsersOwn) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedUser = qgetenv("USER");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    const QString expected =
        QDir(runtime.path()).filePath(QStringLiteral("zeto-%1.lock").arg(getuid()));
    for (const char* user : {"alice", ""}) {
        qputenv("USER", user);
        EXPECT_EQ(SingleInstance::defaultLockPath(), expected) << user;
    }
    const QString planted = QDir::temp().filePath(QStringLiteral("zeto-%1.lock").arg(getuid()));
    const bool plantedHere = !QFileInfo::exists(planted);
    std::unique_ptr<QProcess> holder;
    if (plantedHere) holder = startHolder(planted);
    SingleInstance instance;
    EXPECT_TRUE(instance.tryAcquire());
    if (holder) {
        holder->closeWriteChannel();
        holder->waitForFinished(10000);
    }
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("USER", savedUser);
}

TEST(SingleInstance, LockThatCannotBeMadeDoesNotRefuseTheStart) {
    QTemporaryDir dir;
    SingleInstance instance(dir.filePath("no such folder/zeto.lock"));
    EXPECT_TRUE(instance.tryAcquire());
}
