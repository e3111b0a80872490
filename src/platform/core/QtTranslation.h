#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

namespace zeto {

// Qt's own texts in Chinese: the titles and buttons of the standard colour, file, input and
// print dialogs and of the message boxes, from Qt's translation of its base module
// (qtbase_zh_CN.qm).
class QtTranslation {
  public:
    // Where the system keeps Qt's translations.
    static QString systemFolder();
    // Installs the translation found in `folder`. Returns it (the application owns it), or
    // null when the file is missing or unreadable: Qt's texts then stay in English.
    static QTranslator* install(QCoreApplication& app, const QString& folder);
};

}  // namespace zeto
