#include "platform/Launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace zeto {

void Launcher::openDocument(const QString& fileOrUrl) {
    const bool isAddress =
        fileOrUrl.contains(QLatin1String("://")) || fileOrUrl.startsWith(QLatin1String("mailto:"));
    QDesktopServices::openUrl(isAddress ? QUrl(fileOrUrl) : QUrl::fromLocalFile(fileOrUrl));
}

void Launcher::startProgram(const QString& program, const QString& workingFolder) {
    if (!QFileInfo(program).isExecutable()) return;
    QProcess::startDetached(program, {}, workingFolder);
}

}  // namespace zeto
