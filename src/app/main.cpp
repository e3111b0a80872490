#include "app/MainWindow.h"
#include "app/QuitAfterShow.h"
#include "app/Startup.h"
#include "platform/AppFont.h"
#include "platform/Launcher.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/SingleInstance.h"
#include "platform/SoundPlayer.h"
#include "platform/core/InterfaceZoom.h"
#include "platform/core/QtTranslation.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char** argv) {
    QCoreApplication::setOrganizationName(QStringLiteral("ZETO"));
    QCoreApplication::setApplicationName(QStringLiteral("ZETO"));
    // Qt takes its scale factor when the application object is made, and only then.
    zeto::InterfaceZoom::applyBeforeStart(QSettings());
    QApplication app(argc, argv);
    zeto::QtTranslation::install(app, zeto::QtTranslation::systemFolder());
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
