#include "platform/core/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zeto {

ProgramFiles::ProgramFiles() : folder_(QCoreApplication::applicationDirPath()) {}

ProgramFiles::ProgramFiles(const QString& folder) : folder_(folder) {}

QString ProgramFiles::path(const QString& name) const {
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = relative.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString plain = QDir(folder_).filePath(parts.join(QLatin1Char('/')));

    QDir dir(folder_);
    QString current = folder_;
    for (int k = 0; k < parts.size(); ++k) {
        const QString& part = parts[k];
        QString match;
        if (QFileInfo::exists(dir.filePath(part))) {
            match = part;
        } else {
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        if (match.isEmpty()) return plain;
        current = dir.filePath(match);
        if (k + 1 < parts.size()) {
            if (!QFileInfo(current).isDir()) return plain;
            dir = QDir(current);
        }
    }
    return current;
}

bool ProgramFiles::exists(const QString& name) const {
    return QFileInfo::exists(path(name));
}

}  // namespace zeto
