#include "app/MainWindow.h"
#include "app/QuitAfterShow.h"
#include "app/Startup.h"
#include "platform/AppFont.h"
#include "platform/Launcher.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/SingleInstance.h"
#include "platform/SoundPlayer.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ZETO"));
    zeto::applyAppFont();

    zeto::QtDialogs dialogs;
    zeto::Launcher launcher;
    zeto::SoundPlayer sound;
    zeto::Platform platform{dialogs, launcher, sound, zeto::ProgramFiles()};
    zeto::SingleInstance instance;
    std::unique_ptr<zeto::MainWindow> mainWindow = zeto::startZeto(platform, instance);
    if (!mainWindow) return 0;
    if (zeto::QuitAfterShow::requested(QApplication::arguments()))
        zeto::QuitAfterShow::arm(*mainWindow, platform.files);
    return app.exec();
}
