#include "app/QuitAfterShow.h"

#include "app/Links.h"
#include "platform/core/ProgramFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace zeto {

bool QuitAfterShow::requested(const QStringList& arguments) {
    return arguments.mid(1).contains(option());
}

QStringList QuitAfterShow::problems(const ProgramFiles& files) {
    // The files the program names while it runs: help, calculator, sound, banner and lamp.
    const QString named[] = {Links::helpPage(),
                             Links::calculator(),
                             Links::completionSound(),
                             QStringLiteral("\\data\\sl.kvt"),
                             QStringLiteral("\\data\\sl2.kvt"),
                             QStringLiteral("\\DATA\\G.kvt"),
                             QStringLiteral("\\DATA\\R.kvt"),
                             QStringLiteral("\\DATA\\N.kvt")};
    QStringList found;
    for (const QString& name : named) {
        const QFileInfo file(files.path(name));
        if (!file.isFile())
            found << QStringLiteral("missing ") + name;
        else if (name == Links::calculator() && !file.isExecutable())
            found << QStringLiteral("not executable ") + name;
    }
    return found;
}

void QuitAfterShow::arm(const QWidget& mainWindow, const ProgramFiles& files) {
    QPointer<const QWidget> window(&mainWindow);
    QTimer::singleShot(0, [window, files] {
        QStringList found = problems(files);
        if (!window || !window->isVisible()) found << QStringLiteral("main window not shown");
        for (const QString& line : found) std::fprintf(stderr, "%s\n", qPrintable(line));
        QCoreApplication::exit(found.isEmpty() ? 0 : 1);
    });
}

}  // namespace zeto
