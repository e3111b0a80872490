#include "platform/Launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace zeto {

void Launcher::openDocument(const QString& fileOrUrl, const Failed& failed) {
    const bool isAddress =
        fileOrUrl.contains(QLatin1String("://")) || fileOrUrl.startsWith(QLatin1String("mailto:"));
    if (!isAddress && !QFileInfo(fileOrUrl).isFile()) {
        failed();
        return;
    }
    const QUrl url = isAddress ? QUrl(fileOrUrl) : QUrl::fromLocalFile(fileOrUrl);
    // The desktop's opener tells by its exit status whether it found a program for the
    // document; Qt's own call only tells whether the opener started.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(url)) failed();
        return;
    }
    // The opener may keep running as long as the program it started: it lives with the
    // application and is let go when it ends.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;
                         failed();
                         process->deleteLater();
                     });
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

void Launcher::startProgram(const QString& program, const QString& workingFolder,
                            const Failed& failed) {
    if (!QFileInfo(program).isExecutable() ||
        !QProcess::startDetached(program, {}, workingFolder)) {
        failed();
    }
}

}  // namespace zeto
