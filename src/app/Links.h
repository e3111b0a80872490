#pragma once

#include <QString>

namespace zeto {

// The maker's addresses, named once for the menus, the banner and the about window.
struct Links {
    static QString webPage() { return QStringLiteral("https://zeto-math.example.com/"); }
    static QString mailAddress() { return QStringLiteral("author@zeto-math.example.com"); }
    static QString helpPage() { return QStringLiteral("\\help\\index.htm"); }
    static QString calculator() { return QStringLiteral("\\data\\calc.kvt"); }
    static QString completionSound() { return QStringLiteral("\\data\\out.kvt"); }
};

}  // namespace zeto
