#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace zeto {

class ProgramFiles;

// Checks an installation without a person at the screen. Started with --quit-after-show, the
// program starts as usual and, once its main window is up, names on standard error every
// program file it could not use, then quits: status 0 when everything is in place, 1 otherwise.
class QuitAfterShow {
  public:
    static QString option() { return QStringLiteral("--quit-after-show"); }
    static bool requested(const QStringList& arguments);

    // One line for each problem: "missing \data\out.kvt", "not executable \data\calc.kvt".
    static QStringList problems(const ProgramFiles& files);

    // Reports and quits on the event loop's first turn, when the window has been shown.
    static void arm(const QWidget& mainWindow, const ProgramFiles& files);
};

}  // namespace zeto
