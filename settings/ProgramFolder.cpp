#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace mv {

ProgramFolder::ProgramFolder(const QString& path) : m_path(QDir(path).absolutePath()) {}

QString ProgramFolder::file(const QString& relative) const
{
    QString current = m_path;
    const QStringList parts = QString(relative).replace(QLatin1Char('\\'), QLatin1Char('/'))
                                  .split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (part == QLatin1String(".") || QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString found;
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                            | QDir::NoDotAndDotDot);
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
        current += QLatin1Char('/') + (found.isEmpty() ? part : found);
    }
    return QDir::cleanPath(current);
}

} // namespace mv
